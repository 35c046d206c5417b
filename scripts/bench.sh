#!/usr/bin/env bash
# Benchmarks, in three parts:
#  1. the Google Benchmark programs of the Release benchmark build (build/bench);
#  2. the project's encoders side by side with independent tools on the same inputs
#     (scripts/bench_compare.py): medians, ratios against their targets, the share of a
#     plain memory copy, and peak memory at 1, 16 and 64 MiB;
#  3. whole batch sends of the Windows build under Wine against Python's email package
#     building the same messages (scripts/bench_send.py), then the address book's opening
#     and name completion on a 270,000-entry alias file (addressbook_winbench, under Wine;
#     targets 300 ms and 50 ms).
# Missed targets print "BELOW" and do not fail the run; a failed tool or send does.
#   scripts/bench.sh                everything
#   VELMAR_BENCH_MIB=16 ...         a smaller comparison input (default 128 MiB)
#   VELMAR_BENCH_SEND=0 ...         no Wine part (and no Windows build)
#   VELMAR_BENCH_RUNS, VELMAR_BENCH_REF_RUNS, VELMAR_BENCH_SEND_RUNS, VELMAR_BENCH_SEND_SIZES:
#                                   run counts and send sizes (see the two Python scripts)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
send=${VELMAR_BENCH_SEND:-1}

# What the build needs, then the reference tools of the comparison (perl brings
# MIME::QuotedPrint, time brings GNU time for the peak memory).
"$root/scripts/deps.sh"
packages=(qprint nkf sharutils time perl gcc python3)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "bench: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    if ! "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}" >/tmp/velmar-bench-deps.log 2>&1; then
        "${sudo_cmd[@]}" apt-get update >>/tmp/velmar-bench-deps.log 2>&1
        "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}" >>/tmp/velmar-bench-deps.log 2>&1 || {
            tail -20 /tmp/velmar-bench-deps.log >&2
            exit 1
        }
    fi
fi

# One build at a time: the machine has two cores.
"$root/scripts/build.sh" bench
[ "$send" = 0 ] || "$root/scripts/build.sh" windows

for bench in build/bench/*_bench; do
    echo "bench: $(basename "$bench")"
    "$bench"
done
python3 "$root/scripts/bench_compare.py" "$root/build/bench/tools" "${VELMAR_BENCH_MIB:-128}"
[ "$send" = 0 ] || python3 "$root/scripts/bench_send.py"
if [ "$send" != 0 ]; then
    export WINEPREFIX="$root/build/wineprefix-bench"
    "$root/scripts/wine-prefix.sh" create >/dev/null 2>&1 </dev/null
    (source "$root/scripts/wine-env.sh" && wine "$root/build/windows/bin/addressbook_winbench.exe" </dev/null)
    "$root/scripts/wine-prefix.sh" stop
fi
