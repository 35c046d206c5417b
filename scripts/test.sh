#!/usr/bin/env bash
# The project's whole test run: installs what is missing, builds every target, runs the
# native unit tests (ASan/UBSan), the Windows tests under Wine in a fresh private prefix,
# the round-trip checks against independent decoders, and each fuzzer for a bounded time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"

echo "test: native unit tests"
ctest --test-dir build/native --output-on-failure --no-tests=error -j"$(nproc)"

echo "test: Windows tests under Wine"
trap '"$root/scripts/wine-prefix.sh" stop' EXIT
"$root/scripts/wine-prefix.sh" create
# Windows tests share one registry: they run one at a time.
ctest --test-dir build/windows --output-on-failure --no-tests=error -j1

shopt -s nullglob
checks=(*/tests/*_check.py tests/*/*_check.py)
for check in "${checks[@]}"; do
    echo "test: $check"
    VELMAR_ROOT="$root" python3 "$check"
done

fuzz_seconds=${VELMAR_FUZZ_SECONDS:-20}
for fuzzer in build/fuzz/*_fuzz; do
    [ -x "$fuzzer" ] || continue
    echo "test: $(basename "$fuzzer") for ${fuzz_seconds}s"
    corpus=$(mktemp -d)
    "$fuzzer" -max_total_time="$fuzz_seconds" -max_len=4096 -print_final_stats=0 "$corpus" >"build/$(basename "$fuzzer").log" 2>&1 || {
        tail -40 "build/$(basename "$fuzzer").log" >&2
        exit 1
    }
    rm -rf "$corpus"
done
echo "test: all passed"
