#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs the whole test suite headless: first in
# the normal build, then in a build with AddressSanitizer and UndefinedBehaviorSanitizer,
# then a short run of the style model's fuzzer.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
unset DISPLAY WAYLAND_DISPLAY
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)"
"$root/scripts/sanitize.sh"
"$root/scripts/fuzz.sh" 20
