#!/usr/bin/env bash
# The client's main job on the built-in default configuration: a fresh Wine prefix with no
# server configuration at all (so every setting takes its built-in default: host
# "localhost", user "root", spool directory C:\MAIL\spool), the delivery side's pipe server
# stand-in listening, and a message sent in batch the way other programs send one; then
# the queue file set that landed and what the pipe server received.
#   scripts/demo.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/deps.sh"
"$root/scripts/build.sh" windows >/dev/null
# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"
bin="$root/build/windows/bin"
trap '"$root/scripts/wine-prefix.sh" stop' EXIT
"$root/scripts/wine-prefix.sh" create

echo "== start-up configuration (built-in defaults)"
wine "$bin/showconfig.exe" | tr -d '\r'

records=$(mktemp -d)
export VELMAR_RECORD_DIR
VELMAR_RECORD_DIR=$(winepath -w "$records")
export WINEPATH
WINEPATH=$(winepath -w "$bin")

spool="$WINEPREFIX/drive_c/MAIL/spool"
mkdir -p "$spool" "$WINEPREFIX/drive_c/demo"
printf 'Hello,\n\nthis message was queued by the batch face of the client.\n' >"$WINEPREFIX/drive_c/demo/body.txt"

echo "== the delivery side's pipe server stand-in listens on \\\\.\\pipe\\STMPQUEUE"
wine "$bin/pipeserver.exe" -n 1 &
server=$!
sleep 1

echo "== velmar1.exe -t bob@example.com -s \"Hello from the demo\" -f C:\\demo\\body.txt"
set +e
wine "$bin/velmar1.exe" -t bob@example.com -s "Hello from the demo" -f 'C:\demo\body.txt'
code=$?
set -e
echo "exit code: $code"
wait "$server" || true

echo "== the queue file set in C:\\MAIL\\spool"
for f in "$spool"/Q*.GSC "$spool"/D*.GSC; do
    [ -e "$f" ] || continue
    echo "--- $(basename "$f") (CR LF line ends shown as ^M\$)"
    cat -A "$f"
done
echo "== what the pipe server received"
tr -d '\r' <"$records/pipeserver.log"

echo "== a foreign command line is handed to the delivery program"
wine "$bin/velmar1.exe" -q status
for _ in $(seq 100); do [ -s "$records/mqsend.log" ] && break; sleep 0.1; done
echo "delivery program started as: $(tr -d '\r' <"$records/mqsend.log")"
rm -rf "$records"
[ "$code" -eq 0 ]
