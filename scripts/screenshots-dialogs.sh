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
command -v import >/dev/null || { echo "screenshots: import (imagemagick) is missing" >&2; exit 1; }
mkdir -p "$out"
handshake=$(mktemp -d)
# shellcheck source=screen-env.sh
source "$root/scripts/screen-env.sh"
# Room for the window and its dialogs at 200 %.
export VELMAR_SCREEN=${VELMAR_SCREEN:-1920x1200x24}
test_pid=
screen_extra_cleanup() {
    [ -n "$test_pid" ] && kill "$test_pid" 2>/dev/null || true
    rm -rf "$handshake"
}
screen_setup "$root/build/wineprefix-dialogs"

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
    wait "$test_pid" || { cat "$handshake.log" >&2; exit 1; }
    test_pid=
    rm -f "$handshake.log"
}
pictures OptionDialogsTest.ShowcaseForPictures message-options send-options-menu send-options-send special
pictures AddressBookTest.ShowcaseForPictures address-book address-entry address-list address-new-kind

# The same dialogs at 150 % and 200 % display scale ("LogPixels", read by each program
# started after the change): dialog-*-144.png and dialog-*-192.png.
for dpi in 144 192; do
    wineserver -k 2>/dev/null || true  # Wine's desktop process starts again at the new scale
    wineserver -w 2>/dev/null || true
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -w
    suffix=-$dpi
    pictures OptionDialogsTest.ShowcaseForPictures message-options send-options-menu send-options-send special
    pictures AddressBookTest.ShowcaseForPictures address-book address-entry address-list address-new-kind
done
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
wineserver -w
