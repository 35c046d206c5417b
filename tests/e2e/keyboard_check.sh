#!/usr/bin/env bash
# The compose window driven with real key presses under a private X display: Tab and
# Shift+Tab move between the fields (the Subject label is skipped both ways), Alt+S sends
# through the send options dialog, Enter presses its OK button, and the queue file set
# holds what was typed, Cyrillic letters included (the message then goes out in UTF-8).
set -euo pipefail
# Real key presses on a busy machine can still go astray in the X server or Wine: a second
# attempt tells that apart from a fault, which fails every time.
if [ -z "${KEYBOARD_CHECK_ATTEMPT:-}" ]; then
    for attempt in 1 2; do
        KEYBOARD_CHECK_ATTEMPT=$attempt bash "$0" && exit 0
        echo "keyboard_check: attempt $attempt failed" >&2
        sleep 3  # the first attempt's Wine and X server are still going away
    done
    exit 1
fi
root=${VELMAR_ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
build=${VELMAR_WINDOWS_BUILD:-windows}
exe="$root/build/$build/bin/velmar1.exe"
for tool in xdotool xmodmap; do command -v $tool >/dev/null || { echo "keyboard_check: $tool is missing" >&2; exit 1; }; done
# shellcheck source=../../scripts/screen-env.sh
source "$root/scripts/screen-env.sh"
client_pid=
screen_extra_cleanup() { [ -n "$client_pid" ] && kill "$client_pid" 2>/dev/null || true; }
screen_setup "$root/build/wineprefix-keys"
spool="$WINEPREFIX/drive_c/MAIL/spool"
rm -rf "$spool" && mkdir -p "$spool"
# The Cyrillic letters get keys of their own (lower and upper case, on keys the X server
# leaves free) before Wine reads the key map. Left to itself, xdotool maps a spare key for
# each letter and takes it back at once, and a busy Wine that reads the key late finds no
# letter on it; typed as a word, letters were still lost, pressed one by one they are not.
xmodmap -e 'keycode 154 = Cyrillic_pe Cyrillic_PE' -e 'keycode 168 = Cyrillic_er Cyrillic_ER' \
        -e 'keycode 178 = Cyrillic_i Cyrillic_I' -e 'keycode 183 = Cyrillic_ve Cyrillic_VE' \
        -e 'keycode 184 = Cyrillic_ie Cyrillic_IE' -e 'keycode 202 = Cyrillic_te Cyrillic_TE' ||
    { echo "keyboard_check: the key map could not be set" >&2; exit 1; }

wine "$exe" >/dev/null 2>&1 &
client_pid=$!
window=
for _ in $(seq 200); do
    # Only a mapped window can take the focus: the client creates its window hidden.
    window=$(xdotool search --onlyvisible --name '^Create Mail Message$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "keyboard_check: the window did not appear" >&2; exit 1; }
focused=
for _ in $(seq 50); do
    if xdotool windowfocus --sync "$window" 2>/dev/null; then focused=1; break; fi
    sleep 0.1
done
[ -n "$focused" ] || { echo "keyboard_check: the window did not take the focus" >&2; exit 1; }
sleep 1
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
text() { xdotool type --delay 40 "$1"; sleep 0.3; }

text 'bob@example.com'             # To: the field that has the focus at the start
keys Tab Tab && text 'carol@example.org'   # the CC button, then the CC field
keys Tab Tab Tab && text 'Hello keys'      # BCC button, BCC field, Subject (label skipped)
keys shift+Tab && text 'dave@example.net'  # back to BCC, the label skipped again
keys Tab Tab && text 'Typed for real. '       # Subject, then the body
for letter in Cyrillic_pe Cyrillic_er Cyrillic_i Cyrillic_ve Cyrillic_ie Cyrillic_te; do keys "$letter"; done  # "привет"
keys alt+s                                  # Send: the send options dialog opens first
sleep 1.5
keys Return                                 # its OK button
for _ in $(seq 100); do kill -0 "$client_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$client_pid" 2>/dev/null; then echo "keyboard_check: the window did not close after Send" >&2; exit 1; fi
client_pid=

data=$(ls "$spool"/D*.GSC 2>/dev/null | head -1)
control=$(ls "$spool"/Q*.GSC 2>/dev/null | head -1)
[ -n "$data" ] && [ -n "$control" ] || { echo "keyboard_check: nothing was queued" >&2; ls -la "$spool" >&2; exit 1; }
failures=0
expect() { grep -qF -- "$2" "$1" || { echo "keyboard_check: $(basename "$1") lacks: $2" >&2; tail -3 "$1" >&2; failures=1; }; }
expect "$data" 'To: <bob@example.com>'
expect "$data" 'CC: <carol@example.org>'
expect "$data" 'Subject: Hello keys'
expect "$data" 'Typed for real. =D0=BF=D1=80=D0=B8=D0=B2=D0=B5=D1=82'
expect "$data" 'Content-Type: text/plain; charset=UTF-8'
expect "$control" 'R<dave@example.net>'
[ "$failures" -eq 0 ] || exit 1
echo "keyboard_check ($build, attempt $KEYBOARD_CHECK_ATTEMPT): Tab, Shift+Tab, Alt+S and Enter drove the window; the message was queued"
