#!/usr/bin/env bash
# Builds the libFuzzer harness of the style model (fuzz/fuzz_model.cpp) with clang in
# build-fuzz/ and runs it for the given number of seconds (default 20) on a copy of
# fuzz/corpus, so that the corpus in the tree only changes by hand.
#
#   scripts/fuzz.sh [seconds]
#
# Exits non-zero when the harness finds a fault; the input that shows it is kept in
# build-fuzz/artifacts/ (replay it with: build-fuzz/fuzz/fuzz_model FILE, and set
# STYLOMAT_FUZZ_TRACE=1 to see the operations it performs).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-20}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [seconds]   (a whole number of seconds, at least 1)" >&2
    exit 2
fi

source "$root/scripts/packages.sh"
install_missing clang libclang-rt-14-dev # clang++ and its libFuzzer/sanitizer runtimes

build="$root/build-fuzz"
# The compiler is fixed when the directory is first configured; later runs keep it.
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSTYLOMAT_FUZZ=ON -DSTYLOMAT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_model --parallel 2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp "$root"/fuzz/corpus/* "$work/corpus/"
artifacts="$build/artifacts"
mkdir -p "$artifacts"

echo "Fuzzing the style model for $seconds s ..."
status=0
(cd "$work" && "$build/fuzz/fuzz_model" -max_total_time="$seconds" -timeout=20 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "$work/corpus") \
    >"$work/fuzz.log" 2>&1 || status=$?

if ((status != 0)); then
    tail -n 60 "$work/fuzz.log"
    echo "fuzz_model failed (exit $status); the input is in $artifacts/" >&2
    exit "$status"
fi
grep -E '^#[0-9]+[[:space:]]+DONE|^Done [0-9]+ runs|^stat::' "$work/fuzz.log"
