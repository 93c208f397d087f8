#!/usr/bin/env bash
# Builds the libFuzzer harness of the rule reader (fuzz/fuzz_reader.cpp) with clang in
# build-fuzz/ and runs it for the given number of seconds (default 20) on a copy of
# fuzz/corpus, so that the corpus in the tree only changes by hand. An input that shows
# a fault is kept in build-fuzz/artifacts/; replay it with build-fuzz/fuzz/fuzz_reader FILE.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-20}
source "$root/scripts/packages.sh"
install_missing clang libclang-rt-14-dev
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSTYLOMAT_FUZZ=ON -DSTYLOMAT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_reader --parallel 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/fuzz/corpus" "$work/corpus"
mkdir -p "$build/artifacts"
echo "Fuzzing the rule reader for $seconds s ..."
"$build/fuzz/fuzz_reader" -max_total_time="$seconds" -timeout=10 -max_len=4096 \
    -artifact_prefix="$build/artifacts/" "$work/corpus" 2>"$work/log" ||
    { tail -n 40 "$work/log"; echo "fuzz_reader found a fault; see $build/artifacts/" >&2; exit 1; }
grep -E '^Done [0-9]+ runs' "$work/log"
