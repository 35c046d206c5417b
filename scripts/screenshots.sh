#!/usr/bin/env bash
# Takes PNG pictures of the compose window as a person sees it: a private Xvfb display, a
# private Wine prefix whose graphics driver is the real X11 one, velmar1.exe started plain
# and pre-filled, and the whole screen captured into build/screenshots/.
#   scripts/screenshots.sh        (after scripts/build.sh windows)
# Needs xvfb, imagemagick (import) and x11-utils (xwininfo).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe="$root/build/windows/bin/velmar1.exe"
out="$root/build/screenshots"
[ -x "$exe" ] || { echo "screenshots: build the Windows programs first (scripts/build.sh windows)" >&2; exit 1; }
command -v import >/dev/null || { echo "screenshots: import (imagemagick) is missing" >&2; exit 1; }
mkdir -p "$out"
# shellcheck source=screen-env.sh
source "$root/scripts/screen-env.sh"
# Room for the window and its dialogs at 200 %.
export VELMAR_SCREEN=${VELMAR_SCREEN:-1920x1200x24}
client_pid=
screen_extra_cleanup() { [ -n "$client_pid" ] && kill "$client_pid" 2>/dev/null || true; }
screen_setup "$root/build/wineprefix-screens"

body="$WINEPREFIX/drive_c/minutes.txt"
printf 'Hello Bob,\r\n\r\nthe minutes of Monday are attached.\r\n\r\nRegards,\r\nAlice\r\n' >"$body"

# capture NAME: the whole screen into NAME.png, then the client and Wine stopped.
capture() {
    local name=$1
    import -window root "$out/$name.png"
    echo "screenshots: $out/$name.png"
    kill "$client_pid" 2>/dev/null || true
    wait "$client_pid" 2>/dev/null || true
    client_pid=
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

# shot NAME ARGUMENTS...: starts the client, waits for its window, captures the screen.
shot() {
    local name=$1
    shift
    wine "$exe" "$@" >/dev/null 2>&1 &
    client_pid=$!
    for _ in $(seq 100); do
        xwininfo -root -tree 2>/dev/null | grep -q '"Create Mail Message"' && break
        sleep 0.1
    done
    sleep 1.5  # let it finish painting
    capture "$name"
}

# shot_with_input NAME ACTION [ARGUMENTS...]: the window started with ARGUMENTS, given the
# focus, then ACTION (shell commands run with $window set: keys for a menu or a dialog, or
# the pointer resting on a toolbar button for its tip) before the capture.
shot_with_input() {
    local name=$1 action=$2
    shift 2
    wine "$exe" "$@" >/dev/null 2>&1 &
    client_pid=$!
    local window=
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Create Mail Message$' 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 0.1
    done
    for _ in $(seq 20); do xdotool windowfocus --sync "$window" 2>/dev/null && break; sleep 0.1; done
    sleep 1
    eval "$action"
    sleep 1.5
    capture "$name"
}

shot plain
if command -v xdotool >/dev/null; then
    shot_with_input menu-edit 'xdotool key alt+e'
    # A plain start has no Help menu: the About box is opened from a pre-filled window.
    shot_with_input about 'xdotool key alt+h a' -i 'C:\minutes.txt' -t 'bob@example.com' -s 'Minutes of Monday'
    # The pointer comes to rest on the third toolbar button; its tip shows after a moment.
    # shellcheck disable=SC2016
    shot_with_input tooltip 'xdotool mousemove --window "$window" 60 50; sleep 0.3; xdotool mousemove --window "$window" 62 52'
fi
shot mailto 'mailto:bob@example.com?Minutes'
shot body-file -i 'C:\minutes.txt' -t 'bob@example.com' -s 'Minutes of Monday'

# A reply start on a stored message: everyone answered, the text quoted and re-flowed. The
# reply option comes from the user's section of the shared profile file.
printf '%s\r\n' 'From: Alice <alice@example.org>' 'To: root, Bob <bob@example.com>' 'CC: carol@example.com' \
    'Reply-To: Alice <alice@example.org>' 'Subject: Minutes of Monday' '' 'Hello all,' '' \
    'the minutes of Monday are below. We agreed to move the review to Thursday and to keep the' \
    'budget as it stands until the new figures arrive from the office.' '' '> Can we meet earlier?' \
    '>> Only after lunch.' >"$WINEPREFIX/drive_c/RPL001.txt"
printf '[root]\r\nOPT_RPVAL=5\r\n' >"$WINEPREFIX/drive_c/windows/VELMAR.INI"
shot reply 'C:\RPL001.txt'
rm -f "$WINEPREFIX/drive_c/windows/VELMAR.INI" "$WINEPREFIX/drive_c/RPL001.txt"

# The help file opened from the window (F1): Wine's HTML Help shows VELMAR.CHM beside the
# program at the page for creating a message.
if command -v xdotool >/dev/null; then
    shot_with_input help 'xdotool key F1; for _ in $(seq 50); do xwininfo -root -tree | grep -q "Velmar Message Client Help" && break; sleep 0.1; done; sleep 1' \
        -i 'C:\minutes.txt' -t 'bob@example.com' -s 'Minutes of Monday'
fi

# Larger display scales ("LogPixels" of HKCU\Control Panel\Desktop, read by each program
# started after the change): 150 % and 200 %. The stored placement is forgotten first, so
# each window opens at its default size for the scale.
set_scale() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wine reg delete 'HKLM\SOFTWARE\Brindle' /f /reg:64 >/dev/null 2>&1 || true  # only what the client stored
    wineserver -w
}
for dpi in 144 192; do
    set_scale "$dpi"
    shot "plain-$dpi"
    shot "body-file-$dpi" -i 'C:\minutes.txt' -t 'bob@example.com' -s 'Minutes of Monday'
    if command -v xdotool >/dev/null; then
        shot_with_input "about-$dpi" 'xdotool key alt+h a' -i 'C:\minutes.txt' -t 'bob@example.com' -s 'Minutes of Monday'
    fi
done
set_scale 96

# Unicode text from a mailto: link as browsers send it: Cyrillic, CJK, Greek and Polish.
# Wine's own fonts have no CJK glyphs: the shot links WenQuanYi Micro Hei (fonts-wqy-microhei)
# behind the window's fonts, which changes their look, so it comes last.
for face in Courier "Courier New" Fixedsys System "MS Sans Serif" "Microsoft Sans Serif" Tahoma Terminal; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" /t REG_MULTI_SZ \
        /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
done
if [ -f /usr/share/fonts/truetype/wqy/wqy-microhei.ttc ]; then
    cp -n /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi
wineserver -w
shot unicode 'mailto:ivan@example.com?subject=%D0%9F%D1%80%D0%B8%D0%B2%D0%B5%D1%82%2C%20%D0%BC%D0%B8%D1%80%20%E2%80%94%20%E4%BC%9A%E8%AD%B0%E3%81%AE%E4%BB%B6&body=%D0%97%D0%B4%D1%80%D0%B0%D0%B2%D1%81%D1%82%D0%B2%D1%83%D0%B9%D1%82%D0%B5%2C%20%D0%98%D0%B2%D0%B0%D0%BD%21%0A%0A%E6%9D%B1%E4%BA%AC%E3%81%A7%E4%BC%9A%E3%81%84%E3%81%BE%E3%81%97%E3%82%87%E3%81%86%E3%80%82%E4%BC%9A%E8%AD%B0%E3%81%AF%E6%9C%88%E6%9B%9C%E6%97%A5%E3%81%A7%E3%81%99%E3%80%82%0A%CE%9A%CE%B1%CE%BB%CE%B7%CE%BC%CE%AD%CF%81%CE%B1%20%E2%80%94%20Za%C5%BC%C3%B3%C5%82%C4%87%20g%C4%99%C5%9Bl%C4%85%20ja%C5%BA%C5%84%0A'
# The prefix is kept for the next run: it gets its own fonts back.
for face in Courier "Courier New" Fixedsys System "MS Sans Serif" "Microsoft Sans Serif" Tahoma Terminal; do
    wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" /f >/dev/null 2>&1 || true
done
rm -f "$WINEPREFIX/drive_c/windows/Fonts/wqy-microhei.ttc"
