#!/usr/bin/env bash
# Configures and builds the project's targets:
#   build/windows    64-bit Windows build (the programs in build/windows/bin, tests run under Wine)
#   build/windows32  32-bit Windows build, the one shipped (its tests run under the 32-bit Wine)
#   build/native     portable core and its unit tests, natively, with ASan and UBSan
#   build/fuzz       libFuzzer targets (clang, ASan)
# Usage: scripts/build.sh [windows|windows32|native|fuzz|bench ...]   (default: the first four)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(windows windows32 native fuzz)

configure() {
    local dir=$1
    shift
    cmake -S . -B "build/$dir" -G Ninja "$@" >"build/$dir.configure.log" 2>&1 || {
        cat "build/$dir.configure.log" >&2
        return 1
    }
}

mkdir -p build
for t in "${targets[@]}"; do
    echo "build: $t"
    case "$t" in
    windows) configure windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release ;;
    windows32) configure windows32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release ;;
    native) configure native -DCMAKE_BUILD_TYPE=Debug -DVELMAR_SANITIZE=ON ;;
    fuzz) configure fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
              -DVELMAR_FUZZ=ON -DVELMAR_TESTS=OFF ;;
    bench) configure bench -DCMAKE_BUILD_TYPE=Release -DVELMAR_BENCH=ON -DVELMAR_TESTS=OFF ;;
    *) echo "build: unknown target $t" >&2; exit 2 ;;
    esac
    ninja -C "build/$t"
done
