#!/usr/bin/env bash
# Regenerates Stylomat's artwork in resources/: stylomat.svg, icons/*.png and
# info.jpg. Builds the generator (makeart.cpp) in a throw-away directory, runs
# it without a display and checks the written files.
#
# Usage: resources/tools/regenerate.sh [--preview DIR]
#   --preview DIR   also write enlarged PNG views of the results to DIR
#                   (keep DIR outside resources/)
# Works from any directory.
set -euo pipefail

tools_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
resources_dir="$(dirname "$tools_dir")"

build_dir="$(mktemp -d "${TMPDIR:-/tmp}/stylomat-makeart.XXXXXX")"
trap 'rm -rf "$build_dir"' EXIT

# Keep the build quiet unless it fails.
if ! { cmake -S "$tools_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release &&
       cmake --build "$build_dir" --parallel; } >"$build_dir/build.log" 2>&1; then
    cat "$build_dir/build.log" >&2
    echo "regenerate.sh: building the generator failed" >&2
    exit 1
fi

QT_QPA_PLATFORM=offscreen "$build_dir/makeart" "$@" "$resources_dir"
python3 "$tools_dir/checkart.py" "$resources_dir"
