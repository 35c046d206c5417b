#!/usr/bin/env bash
# Takes PNG pictures of the option and address book dialogs as a person sees them: a private Xvfb display, a
# private Wine prefix whose graphics driver is the real X11 one, and the dialogs opened one
# after the other over a plain parent window by the showcase program of the build
# (tools/win/dialog_showcase_win.cpp), which holds each one open until its picture is taken.
# The pictures land in build/screenshots/dialog-*.png.
#   scripts/screenshots-dialogs.sh        (after scripts/build.sh windows)
# Needs xvfb, imagemagick (import) and x11-utils (xwininfo).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe="$root/build/windows/bin/dialog_showcase.exe"
out="$root/build/screenshots"
[ -f "$exe" ] || { echo "screenshots: build the Windows programs first (scripts/build.sh windows)" >&2; exit 1; }
command -v import >/dev/null || { echo "screenshots: import (imagemagick) is missing" >&2; exit 1; }
mkdir -p "$out"
handshake=$(mktemp -d)
# shellcheck source=screen-env.sh
source "$root/scripts/screen-env.sh"
# Room for the window and its dialogs at 200 %.
export VELMAR_SCREEN=${VELMAR_SCREEN:-1920x1200x24}
showcase_pid=
screen_extra_cleanup() {
    [ -n "$showcase_pid" ] && kill "$showcase_pid" 2>/dev/null || true
    rm -rf "$handshake"
}
screen_setup "$root/build/wineprefix-dialogs"

# The dialogs in the order the showcase program opens them.
names=(message-options send-options-menu send-options-send special
       address-book address-entry address-list address-new-kind)

# pictures: runs the showcase program once and takes the picture of each dialog it holds
# open ("<name>.ready" in the handshake directory), then lets it go on ("<name>.done").
pictures() {
    rm -f "$handshake"/*
    VELMAR_SHOWCASE_DIR=$(winepath -w "$handshake" 2>/dev/null) wine "$exe" >"$handshake.log" 2>&1 &
    showcase_pid=$!
    for name in "${names[@]}"; do
        for _ in $(seq 300); do [ -f "$handshake/$name.ready" ] && break; sleep 0.1; done
        [ -f "$handshake/$name.ready" ] || { echo "screenshots: $name never opened" >&2; cat "$handshake.log" >&2; exit 1; }
        # Under load, Wine at a new scale may not have drawn anything yet: an all-black
        # picture is taken again.
        for _ in $(seq 5); do
            import -window root "$out/dialog-$name${suffix:-}.png"
            [ "$(identify -format %k "$out/dialog-$name${suffix:-}.png")" != 1 ] && break
            sleep 1
        done
        echo "screenshots: $out/dialog-$name${suffix:-}.png"
        touch "$handshake/$name.done"
    done
    wait "$showcase_pid" || { cat "$handshake.log" >&2; exit 1; }
    showcase_pid=
    rm -f "$handshake.log"
}
pictures

# The same dialogs at 150 % and 200 % display scale ("LogPixels", read by each program
# started after the change): dialog-*-144.png and dialog-*-192.png.
for dpi in 144 192; do
    wineserver -k 2>/dev/null || true  # Wine's desktop process starts again at the new scale
    wineserver -w 2>/dev/null || true
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -w
    suffix=-$dpi
    pictures
done
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
wineserver -w
