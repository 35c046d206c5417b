# A private Xvfb display and a Wine prefix that draws on it with the real X11 driver, for
# the screenshot scripts (sourced, not run). After `screen_setup PREFIX`, DISPLAY and the
# Wine variables are set and everything is stopped when the script exits; a script adds
# its own clean-up by defining `screen_extra_cleanup`.
# Needs xvfb and x11-utils (xwininfo); the screenshot scripts also imagemagick (import).
for tool in Xvfb xwininfo wine; do
    command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done

screen_cleanup() {
    if declare -F screen_extra_cleanup >/dev/null; then screen_extra_cleanup; fi
    wineserver -k 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
}

screen_setup() {
    local display=90
    while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
    export DISPLAY=":$display"
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export WINEPREFIX="$1"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win64
    trap screen_cleanup EXIT
    for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    # Wine draws the frame buttons with its Marlett font (fonts-wine), which the prefix's font
    # list only takes from the prefix's own Fonts folder.
    if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
        cp -n /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    # Wine draws the window frames itself: there is no window manager on this display.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f /reg:64 >/dev/null 2>&1
    wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f /reg:64 >/dev/null 2>&1 || true
    wineserver -w
}
