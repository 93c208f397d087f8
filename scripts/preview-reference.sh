#!/usr/bin/env bash
# Draws the preview's reference pictures with a browser: every rule of
# tests/preview/fidelity/rules.txt on the preview's sample page, 320 × 240, the generic
# families as the preview has them (Liberation Serif, Sans and Mono), one pixel to a pixel,
# into tests/preview/fidelity/NN.png. The test suite compares the preview with them; it
# needs no browser. Run it again after a change of the rules or of the sample pages.
# Usage: scripts/preview-reference.sh [BUILD-DIR]   (default build/)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
source "$root/scripts/packages.sh"
install_missing chromium fonts-liberation2
cmake --build "$build" --target stylomat-preview-pages --parallel 2 >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fidelity="$root/tests/preview/fidelity"
mkdir "$work/pages"
QT_QPA_PLATFORM=offscreen "$build/bin/stylomat-preview-pages" "$fidelity/rules.txt" "$work/pages"
cat >"$work/fonts.conf" <<'CONF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <alias binding="strong"><family>serif</family><prefer><family>Liberation Serif</family></prefer></alias>
  <alias binding="strong"><family>sans-serif</family><prefer><family>Liberation Sans</family></prefer></alias>
  <alias binding="strong"><family>monospace</family><prefer><family>Liberation Mono</family></prefer></alias>
</fontconfig>
CONF
for page in "$work"/pages/*.html; do
    name=$(basename "$page" .html)
    FONTCONFIG_FILE="$work/fonts.conf" chromium --headless --no-sandbox --disable-gpu \
        --no-first-run --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$work/profile" --hide-scrollbars --force-device-scale-factor=1 \
        --window-size=320,240 --screenshot="$fidelity/$name.png" "file://$page" 2>/dev/null >/dev/null
done
chromium --version
