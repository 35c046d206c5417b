#!/usr/bin/env bash
# Runs one Windows program of the build under Wine, in the test prefix made by
# scripts/wine-prefix.sh. CTest uses this as the cross-compiling emulator.
set -euo pipefail
exe=$1
shift
# Wine here has no 32-bit support: a 32-bit program would "run", print nothing and exit 0.
if ! file -b "$exe" | grep -q 'x86-64'; then
    echo "wine-run: $exe is not an x86-64 program; tests run on the 64-bit build only" >&2
    exit 99
fi
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"
exec wine "$exe" "$@"
