#!/usr/bin/env bash
# Installs the build tree into an empty staging prefix and checks it: exactly the
# expected files, icons of their folder's size, a program that answers --version, and a
# desktop entry and metainfo that validate and name what was installed.
# Usage: check_install.sh BUILD_DIR APP_ID DISPLAY_VERSION
set -euo pipefail
build=$1 id=$2 version=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage" >/dev/null
cd "$stage"
sizes="16 22 24 32 48 64 128 256"
expected="bin/stylomat share/applications/$id.desktop share/metainfo/$id.metainfo.xml
          share/doc/stylomat/copyright share/icons/hicolor/scalable/apps/$id.svg"
for size in $sizes; do
    expected+=" share/icons/hicolor/${size}x$size/apps/$id.png"
    file "share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size," ||
        { echo "the ${size} px icon is not a ${size} x ${size} PNG" >&2; exit 1; }
done
diff <(tr -s ' \n' '\n\n' <<<"$expected" | grep . | sort) <(find . -type f | sed 's|^\./||' | sort)
[ "$(bin/stylomat --version)" = "Stylomat $version" ]
grep -qx "Exec=stylomat" "share/applications/$id.desktop"
grep -qx "Icon=$id" "share/applications/$id.desktop"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "share/metainfo/$id.metainfo.xml"
# desktop-file-validate exits 0 on some errors and on every warning: it must say nothing.
report=$(desktop-file-validate "share/applications/$id.desktop")
[ -z "$report" ] || { echo "$report" >&2; exit 1; }
appstreamcli validate --no-net "share/metainfo/$id.metainfo.xml"
echo "install tree, desktop entry and metainfo as expected"
