#!/usr/bin/env bash
# Renders the artwork from the SVG sources beside this script: icons/stylomat-*.png and
# info.jpg, after writing the program's version into the captions of info.svg.
# The outputs are committed, so every run must give the same bytes: no timestamps.
# Usage: resources/render.sh (from any directory)
set -euo pipefail
art=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$art")
# shellcheck source=../scripts/packages.sh
source "$root/scripts/packages.sh"
install_missing librsvg2-bin imagemagick fonts-liberation2

version=$(grep -Pzo 'project\(\s*Stylomat\s+VERSION\s+\K\d+\.\d+\.\d+\.\d+' "$root/CMakeLists.txt" | tr -d '\0') ||
    { echo "render.sh: no 'project(Stylomat VERSION a.b.c.d' in CMakeLists.txt" >&2; exit 1; }
IFS=. read -r major minor _ tweak <<<"$version"
short="Stylomat $((10#$major)).$((10#$minor))"
long=$(printf 'verze %d.%02d.%04d' "$((10#$major))" "$((10#$minor))" "$((10#$tweak))")
sed -i -E -e "s|(<text [^>]*id=\"short-version\"[^>]*>)[^<]*|\1$short|" \
    -e "s|(<text [^>]*id=\"version\"[^>]*>)[^<]*|\1$long|" "$art/info.svg"
# A caption that lost its id or moved off one line would otherwise keep an old version.
if ! grep -qP "id=\"short-version\"[^>]*>\Q$short\E</text>" "$art/info.svg" ||
    ! grep -qP "id=\"version\"[^>]*>\Q$long\E</text>" "$art/info.svg"; then
    echo "render.sh: info.svg needs <text id=\"short-version\"> and <text id=\"version\"> on one line each" >&2
    exit 1
fi

# ImageMagick re-encodes what librsvg draws: 24-bit PNG without the date chunks it
# would add, and a baseline 4:2:0 JFIF at 72 dpi that every viewer reads.
mkdir -p "$art/icons"
for size in 16 22 24 32 48 64 128 256; do
    svg=$art/stylomat.svg
    ((size >= 32)) || svg=$art/stylomat-small.svg # the curls blur into blobs below 32 px
    rsvg-convert -w "$size" -h "$size" "$svg" |
        convert png:- -strip -define png:exclude-chunks=date,time "PNG24:$art/icons/stylomat-$size.png"
done
rsvg-convert "$art/info.svg" |
    convert png:- -strip -sampling-factor 2x2,1x1,1x1 -interlace none -quality 92 \
        -units PixelsPerInch -density 72 "JPEG:$art/info.jpg"
