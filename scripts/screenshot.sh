#!/usr/bin/env bash
# Renders the README's pictures under Xvfb: the main window, docs/screenshot.png (and
# docs/screenshot-2x.png at twice the scale, to check high-density screens), and the main
# window with its preview, docs/screenshot-preview.png.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
mkdir -p "$root/docs"
shoot() { xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/bin/stylomat-screenshot" "$@"; }
shoot "$root/docs/screenshot.png"
QT_SCALE_FACTOR=2 shoot "$root/docs/screenshot-2x.png"
shoot --preview "$root/docs/screenshot-preview.png"
echo "$root/docs/screenshot.png $root/docs/screenshot-preview.png"
