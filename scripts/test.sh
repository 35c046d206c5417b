#!/usr/bin/env bash
# The project's whole test run: installs what is missing, builds every target, runs the
# native unit tests (ASan/UBSan), the Windows tests under Wine in a fresh private prefix,
# the round-trip checks against independent decoders, and each fuzzer for a bounded time.
#
# The stages overlap so that both cores stay busy: the Windows tests (one Wine start per
# suite, mostly waiting on Wine) run while the later targets build, and the fuzzers (one
# core each) run beside the Wine steps; whichever lane ends first takes the remaining
# fuzzers. Every stage's output goes to build/test-logs/; a failing stage shows its log
# and fails the run. The time of each stage is printed at the end.
#   VELMAR_FUZZ_SECONDS  seconds per fuzzer (default 20)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
logs=build/test-logs
mkdir -p build
rm -rf "$logs" && mkdir -p "$logs/times" "$logs/claims"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
run_started=$(now_ms)

# Runs one stage with its output in its log and records when it started, how long it took
# and the processor time its processes used (on a busy machine the seconds grow, the
# processor time hardly). A failing stage shows its log, fails its lane and stops the other
# lanes at their next stage.
stage() {
    local name=$1 slug start cpu status=0 TIMEFORMAT='%U %S'
    shift
    [ -e "$logs/failed" ] && return 1
    slug=${name//[^A-Za-z0-9_.-]/_}
    start=$(now_ms)
    echo "test: $name"
    { time "$@" >"$logs/$slug.log" 2>&1; } 2>"$logs/times/$slug.cpu" || status=$?
    cpu=$(awk '{ printf "%.1f", $1 + $2 }' "$logs/times/$slug.cpu")
    rm -f "$logs/times/$slug.cpu"
    printf '%s\t%s\t%s\t%s\t%s\n' "$name" $((start - run_started)) $(($(now_ms) - start)) "$cpu" \
        "$([ $status -eq 0 ] && echo ok || echo FAILED)" >"$logs/times/$slug"
    if [ $status -ne 0 ]; then
        touch "$logs/failed"
        {
            echo "test: $name FAILED ($logs/$slug.log):"
            tail -200 "$logs/$slug.log"
        } >&2
    fi
    return $status
}

summary() {
    local status=$?
    "$root/scripts/wine-prefix.sh" stop 2>/dev/null || true
    echo
    echo "stage                                                start s   seconds     cpu s"
    sort -t$'\t' -k2,2n "$logs"/times/* 2>/dev/null | while IFS=$'\t' read -r name start ms cpu result; do
        printf '%-52s %7d %9d.%d %9s  %s\n' "$name" $((start / 1000)) $((ms / 1000)) $((ms % 1000 / 100)) "$cpu" \
            "$([ "$result" = ok ] || echo "$result")"
    done
    local ms=$(($(now_ms) - run_started))
    printf '%-52s %7s %9d.%d\n' "whole run" "" $((ms / 1000)) $((ms % 1000 / 100))
    echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
    exit $status
}

# A lane of fuzzers: takes each fuzzer no other lane has taken yet (mkdir claims it).
fuzz_seconds=${VELMAR_FUZZ_SECONDS:-20}
fuzz_one() {
    local fuzzer=$1 corpus status=0
    corpus=$(mktemp -d)
    "$fuzzer" -max_total_time="$fuzz_seconds" -max_len=4096 -print_final_stats=0 "$corpus" || status=$?
    rm -rf "$corpus"
    return $status
}
fuzz_lane() {
    local fuzzer name
    for fuzzer in build/fuzz/*_fuzz; do
        [ -x "$fuzzer" ] || continue
        name=$(basename "$fuzzer")
        mkdir "$logs/claims/$name" 2>/dev/null || continue
        stage "fuzz $name ${fuzz_seconds}s" fuzz_one "$fuzzer" || return 1
    done
}

wine_tests() {
    ctest --test-dir "build/$1" --output-on-failure --no-tests=error -j1
}

# Python checks, and shell checks that drive the window with real input under Xvfb. The
# checks of the Windows programs (tests/, standins/) check both builds and run in the Wine
# lane; the others need the native build only.
checks() {
    shopt -s nullglob
    local check runner build builds
    for check in */tests/*_check.py tests/*/*_check.py tests/*/*_check.sh; do
        case "$check" in
        tests/* | standins/*) [ "$1" = windows ] || continue; builds=(windows windows32) ;;
        *) [ "$1" = native ] || continue; builds=(windows) ;;
        esac
        runner=python3
        [[ "$check" == *.sh ]] && runner=bash
        for build in "${builds[@]}"; do
            stage "check $check ($build)" env VELMAR_ROOT="$root" VELMAR_WINDOWS_BUILD="$build" "$runner" "$check" ||
                return 1
        done
    done
}

# Waits until an earlier stage of the main lane has left its mark (or the main lane failed).
await() {
    while [ ! -e "$logs/done-$1" ]; do
        [ -e "$logs/failed" ] && return 1
        sleep 1
    done
}

# The Wine lane: one prefix, one wineserver, everything that runs the Windows programs in
# it one after another (they share its registry and spool); then fuzzers.
wine_lane() {
    stage "wine prefix" "$root/scripts/wine-prefix.sh" create || return 1
    await windows || return 1
    stage "wine tests windows" wine_tests windows || return 1
    await windows32 || return 1
    stage "wine tests windows32" wine_tests windows32 || return 1
    checks windows || return 1
    await fuzz || return 1
    fuzz_lane
}

trap summary EXIT
stage deps "$root/scripts/deps.sh"

wine_lane &
wine_pid=$!
main_lane() {
    local target
    for target in windows windows32 native fuzz; do
        stage "build $target" "$root/scripts/build.sh" "$target" || return 1
        touch "$logs/done-$target"
    done
    stage "native unit tests" ctest --test-dir build/native --output-on-failure --no-tests=error -j"$(nproc)" ||
        return 1
    checks native || return 1
    fuzz_lane
}
main_status=0
main_lane || main_status=$?
[ $main_status -eq 0 ] || touch "$logs/failed"
wine_status=0
wait "$wine_pid" || wine_status=$?
if [ $main_status -ne 0 ] || [ $wine_status -ne 0 ] || [ -e "$logs/failed" ]; then
    echo "test: FAILED" >&2
    exit 1
fi
echo "test: all passed"
