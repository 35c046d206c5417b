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

trap '"$root/scripts/wine-prefix.sh" stop' EXIT
"$root/scripts/wine-prefix.sh" create
# Both Windows builds run in the one prefix: the 64-bit one and the shipped 32-bit one.
# Windows tests share one registry: they run one at a time.
for build in windows windows32; do
    echo "test: Windows tests under Wine ($build)"
    ctest --test-dir "build/$build" --output-on-failure --no-tests=error -j1
done

shopt -s nullglob
# Python checks, and shell checks that drive the window with real input under Xvfb.
checks=(*/tests/*_check.py tests/*/*_check.py tests/*/*_check.sh)
for check in "${checks[@]}"; do
    builds=(windows)
    # The checks that run the Windows programs check both builds.
    case "$check" in tests/* | standins/*) builds=(windows windows32) ;; esac
    runner=python3
    [[ "$check" == *.sh ]] && runner=bash
    for build in "${builds[@]}"; do
        echo "test: $check ($build)"
        VELMAR_ROOT="$root" VELMAR_WINDOWS_BUILD="$build" "$runner" "$check"
    done
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
