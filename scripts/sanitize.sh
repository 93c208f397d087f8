#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/
# (Debug, warnings as errors) and runs the whole test suite there, headless. Any
# sanitizer report fails the test that triggered it.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-asan"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DSTYLOMAT_SANITIZE=ON \
    -DSTYLOMAT_WERROR=ON -DSTYLOMAT_BUILD_TESTS=ON
cmake --build "$build" --parallel 2

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Leaks inside third-party libraries Qt loads (see the file for each one and why).
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=1
# Window tests set QT_QPA_PLATFORM=offscreen themselves and clipboard tests bring their own
# X server, so no display of the caller's may leak in.
unset DISPLAY WAYLAND_DISPLAY
ctest --test-dir "$build" --output-on-failure --parallel 2
