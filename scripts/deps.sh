#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine (as root). Does nothing
# when everything is already there.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev
          mingw-w64 wine wine64 xvfb x11-utils x11-xserver-utils xdotool fonts-liberation fonts-wine sharutils python3 file locales
          imagemagick fonts-wqy-microhei fp-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
# The 32-bit Wine runs the shipped 32-bit build inside the same 64-bit prefix.
dpkg -s wine32:i386 >/dev/null 2>&1 || missing+=(wine32:i386)
[ ${#missing[@]} -eq 0 ] && exit 0
echo "deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
    "${sudo_cmd[@]}" apt-get update >/tmp/velmar-deps.log 2>&1
fi
if ! "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}" >/tmp/velmar-deps.log 2>&1; then
    "${sudo_cmd[@]}" apt-get update >>/tmp/velmar-deps.log 2>&1
    "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}" >>/tmp/velmar-deps.log 2>&1 || {
        tail -20 /tmp/velmar-deps.log >&2
        exit 1
    }
fi
