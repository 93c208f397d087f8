#!/usr/bin/env bash
# Builds a Release tree in build-release/ and makes the Debian package there; prints
# the path of the .deb. Install it with: apt-get install ./build-release/stylomat_*.deb
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-release"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTYLOMAT_BUILD_TESTS=OFF
cmake --build "$build" --parallel "$(nproc)"

# Start from no package so that the one printed is the one just made.
rm -f "$build"/stylomat_*.deb
(cd "$build" && cpack -G DEB)

shopt -s nullglob
debs=("$build"/stylomat_*.deb)
if ((${#debs[@]} != 1)); then
    echo "package.sh: expected one stylomat_*.deb in $build, found ${#debs[@]}" >&2
    exit 1
fi
echo "${debs[0]}"
