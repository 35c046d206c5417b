#!/usr/bin/env bash
# Non-blank lines of the test sources against the code they test. Test sources: unit and
# Wine tests, test support, the round-trip checks and the fuzz targets. Code: every other
# C++ source and header, leaving out benchmarks, tools and the stand-ins.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { if [ $# -eq 0 ]; then echo 0; else cat "$@" | grep -cv '^[[:space:]]*$'; fi; }
mapfile -t tests < <(git ls-files '*_test.cpp' '*_wintest.cpp' 'tests/support/*' '*_check.py' '*/fuzz/*_fuzz.cpp' '*/tests/*.h')
mapfile -t code < <(git ls-files '*.cpp' '*.h' | grep -Ev '(^|/)(tests|fuzz|bench|tools)/|^standins/|^scripts/')
t=$(count "${tests[@]}")
c=$(count "${code[@]}")
echo "test sources: $t lines; code: $c lines; ratio $(awk -v t="$t" -v c="$c" 'BEGIN { printf "%.3f", t / c }')"
