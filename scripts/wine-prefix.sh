#!/usr/bin/env bash
# Makes a fresh, private Wine prefix for one test run (never one per test: it takes several
# seconds), configures it for windowless testing and keeps its wineserver running.
#   scripts/wine-prefix.sh create   fresh prefix, null graphics driver, warm wineserver
#   scripts/wine-prefix.sh import F  loads a REGEDIT4 file into the prefix's registry
#   scripts/wine-prefix.sh stop     stops the prefix's wineserver (wineserver -k)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"

case "${1:-}" in
create)
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    # Windows without a display (null driver) and without a window manager's delays.
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
    # Keep one wineserver for the whole run: each later program starts in milliseconds.
    wineserver -p
    wine cmd /c exit >/dev/null 2>&1 || true
    ;;
import)
    wine regedit /S "$(winepath -w "$2" 2>/dev/null)" >/dev/null 2>&1
    ;;
stop)
    wineserver -k 2>/dev/null || true
    ;;
*)
    echo "usage: $0 create|import FILE|stop" >&2
    exit 2
    ;;
esac
