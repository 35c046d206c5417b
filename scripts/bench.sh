#!/usr/bin/env bash
# Encoder benchmarks: the Google Benchmark programs, then the project's encoders side by
# side with independent tools on the same 64 MiB inputs (ratios from one run), and their
# peak memory as the input grows from 1 MiB to 64 MiB.
#   scripts/bench.sh            everything
#   VELMAR_BENCH_MIB=16 ...     a smaller comparison input
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/build.sh" bench
for bench in build/bench/*_bench; do
    echo "bench: $(basename "$bench")"
    "$bench"
done
python3 "$root/scripts/bench_compare.py" "$root/build/bench/tools" "${VELMAR_BENCH_MIB:-64}"
