#!/usr/bin/env bash
# Takes PNG pictures of the option and address book dialogs as a person sees them: a private Xvfb display, a
# private Wine prefix whose graphics driver is the real X11 one, and the dialogs opened one
# after the other over a plain parent window by the Wine test program (its showcase case).
# The pictures land in build/screenshots/dialog-*.png.
#   scripts/screenshots-dialogs.sh        (after scripts/build.sh windows)
# Needs xvfb, imagemagick (import) and x11-utils (xwininfo).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe="$root/build/windows/bin/velmar_win_tests.exe"
out="$root/build/screenshots"
[ -f "$exe" ] || { echo "screenshots: build the Windows programs first (scripts/build.sh windows)" >&2; exit 1; }
for tool in Xvfb import xwininfo wine; do
    command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done
mkdir -p "$out"
handshake=$(mktemp -d)

display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=":$display"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export WINEPREFIX="$root/build/wineprefix-dialogs"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
test_pid=
cleanup() {
    [ -n "$test_pid" ] && kill "$test_pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$handshake"
}
trap cleanup EXIT
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1 || true
wineserver -w

# pictures <test case> <picture name>...: runs one showcase case and takes each picture.
pictures() {
    local case=$1
    shift
    VELMAR_SHOWCASE_DIR=$(winepath -w "$handshake" 2>/dev/null) \
        wine "$exe" --gtest_filter="$case" >"$handshake.log" 2>&1 &
    test_pid=$!
    for name in "$@"; do
        for _ in $(seq 300); do [ -f "$handshake/$name.ready" ] && break; sleep 0.1; done
        [ -f "$handshake/$name.ready" ] || { echo "screenshots: $name never opened" >&2; cat "$handshake.log" >&2; exit 1; }
        import -window root "$out/dialog-$name.png"
        echo "screenshots: $out/dialog-$name.png"
        touch "$handshake/$name.done"
    done
    wait "$test_pid" || { cat "$handshake.log" >&2; exit 1; }
    test_pid=
    rm -f "$handshake.log"
}
pictures OptionDialogsTest.ShowcaseForPictures message-options send-options-menu send-options-send special
pictures AddressBookTest.ShowcaseForPictures address-book address-entry address-list address-new-kind
