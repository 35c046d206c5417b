#!/usr/bin/env bash
# Runs one Windows program of the build under Wine, in the test prefix made by
# scripts/wine-prefix.sh. CTest uses this as the cross-compiling emulator.
set -euo pipefail
exe=$1
shift
# Without the 32-bit Wine a 32-bit program would "run", print nothing and exit 0: refuse it.
if ! file -b "$exe" | grep -q 'x86-64' && ! dpkg -s wine32:i386 >/dev/null 2>&1; then
    echo "wine-run: $exe is a 32-bit program and the 32-bit Wine (wine32:i386) is missing" >&2
    exit 99
fi
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"
exec wine "$exe" "$@"
