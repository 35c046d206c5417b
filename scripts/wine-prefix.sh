#!/usr/bin/env bash
# Makes a fresh, private Wine prefix for one test run (never one per test: it takes several
# seconds), configures it for windowless testing and keeps its wineserver running.
#   scripts/wine-prefix.sh create   fresh prefix, null graphics driver, warm wineserver
#   scripts/wine-prefix.sh import F [windows|windows32]
#                                   loads a REGEDIT4 file into the registry view of that build
#                                   (default: $VELMAR_WINDOWS_BUILD, else windows, the 64-bit one)
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
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f /reg:64 >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f /reg:64 >/dev/null 2>&1
    wineserver -w
    # Keep one wineserver for the whole run: each later program starts in milliseconds.
    wineserver -p
    wine cmd /c exit >/dev/null 2>&1 || true
    ;;
import)
    [ -n "${2:-}" ] || { echo "usage: $0 import FILE [windows|windows32]" >&2; exit 2; }
    # reg with an explicit view, not regedit: with the 32-bit Wine installed a bare regedit
    # (or reg) is the 32-bit tool, which puts HKLM\SOFTWARE keys under Wow6432Node, where
    # the 64-bit program never looks.
    case "${3:-${VELMAR_WINDOWS_BUILD:-windows}}" in
    windows) view=/reg:64 ;;
    windows32) view=/reg:32 ;;
    *) echo "$0: import: unknown build ${3:-$VELMAR_WINDOWS_BUILD} (windows or windows32)" >&2; exit 2 ;;
    esac
    file=$(winepath -w "$2" 2>/dev/null)
    if ! output=$(wine reg import "$file" "$view" 2>&1); then
        echo "$0: import of $2 failed:" >&2
        echo "$output" >&2
        exit 1
    fi
    ;;
stop)
    wineserver -k 2>/dev/null || true
    ;;
*)
    echo "usage: $0 create|import FILE [windows|windows32]|stop" >&2
    exit 2
    ;;
esac
