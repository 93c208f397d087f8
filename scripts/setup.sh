#!/usr/bin/env bash
# Shared first half of start.sh and test.sh: installs the Debian packages that are
# missing (nothing is fetched when all are there) and builds build/ incrementally.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
packages=(
    cmake g++ make                     # toolchain
    qt6-base-dev                       # Qt Core, Gui, Widgets, Test
    fonts-liberation2                  # metric stand-ins for Times New Roman / Courier New
    xvfb xauth xclip                   # headless X server for clipboard tests, clipboard reader
    desktop-file-utils appstream       # validators for the desktop entry and metainfo
    dpkg-dev                           # dpkg-shlibdeps, for the Debian package
    strace                             # checks that the program touches no files or network
    clang libclang-rt-14-dev           # the model's fuzzer (libFuzzer) and sanitizer runtimes
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]})); then
    echo "Installing missing packages: ${missing[*]}"
    as_root=()
    if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
    export DEBIAN_FRONTEND=noninteractive
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build="$root/build"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTYLOMAT_WERROR=ON
fi
cmake --build "$build" --parallel "$(nproc)"
