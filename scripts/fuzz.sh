#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang in build-fuzz/ and runs them in turn, sharing
# the given number of seconds (default 20): the rule reader (fuzz/fuzz_reader.cpp) on a
# copy of fuzz/corpus, the value check (fuzz/fuzz_grammar.cpp) on a copy of
# fuzz/corpus-grammar, the preview (fuzz/fuzz_preview.cpp) on a copy of
# fuzz/corpus-preview, so that the corpora in the tree only change by hand. An input that
# shows a fault is kept in build-fuzz/artifacts/; replay it with build-fuzz/bin/fuzz_NAME FILE.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-20}
source "$root/scripts/packages.sh"
install_missing clang libclang-rt-14-dev
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSTYLOMAT_FUZZ=ON -DSTYLOMAT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_reader fuzz_grammar fuzz_preview --parallel 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/artifacts"

# fuzz NAME CORPUS WHAT SECONDS [libFuzzer option...]
fuzz() {
    local name=$1 corpus=$2 what=$3 time=$4
    shift 4
    cp -r "$root/fuzz/$corpus" "$work/$name"
    echo "Fuzzing $what for $time s ..."
    "$build/bin/fuzz_$name" -max_total_time="$time" -timeout=10 -max_len=4096 \
        -artifact_prefix="$build/artifacts/" "$@" "$work/$name" 2>"$work/$name.log" ||
        { tail -n 40 "$work/$name.log"; echo "fuzz_$name found a fault; see $build/artifacts/" >&2; exit 1; }
    grep -E '^Done [0-9]+ runs' "$work/$name.log"
}
fuzz reader corpus "the rule reader" $(((seconds + 2) / 3)) -dict="$root/fuzz/reader.dict"
fuzz grammar corpus-grammar "the value check" $(((seconds + 2) / 3)) -dict="$root/fuzz/grammar.dict"
LSAN_OPTIONS=suppressions="$root/fuzz/preview-lsan.supp" \
    fuzz preview corpus-preview "the preview" $(((seconds + 2) / 3)) -dict="$root/fuzz/preview.dict"
