#!/usr/bin/env bash
# The client's main job on the built-in default configuration: a fresh Wine prefix with no
# server configuration at all (so every setting takes its built-in default: host
# "localhost", user "root", spool directory C:\MAIL\spool), the delivery side's pipe server
# stand-in listening, and the client started the way other programs start it.
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

echo "== a foreign command line is handed to the delivery program"
wine "$bin/velmar1.exe" -q status
for _ in $(seq 100); do [ -s "$records/mqsend.log" ] && break; sleep 0.1; done
echo "delivery program started as: $(tr -d '\r' <"$records/mqsend.log")"
rm -rf "$records"
