#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
unset DISPLAY WAYLAND_DISPLAY
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)"
