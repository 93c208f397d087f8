#!/usr/bin/env bash
# Renders the README's picture of the main window under Xvfb: docs/screenshot.png
# (and docs/screenshot-2x.png at twice the scale, to check high-density screens).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
mkdir -p "$root/docs"
shoot() { xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/tools/stylomat-screenshot" "$1"; }
shoot "$root/docs/screenshot.png"
QT_SCALE_FACTOR=2 shoot "$root/docs/screenshot-2x.png"
echo "$root/docs/screenshot.png"
