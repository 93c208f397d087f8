#!/usr/bin/env bash
# Shared first half of start.sh and test.sh: installs the Debian packages that are
# missing (nothing is fetched when all are there) and builds build/ incrementally: the
# targets named as arguments, or all.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
packages=(
    cmake g++ make                     # toolchain
    qt6-base-dev                       # Qt Core, Gui, Widgets, Test
    qt6-tools-dev qt6-l10n-tools       # qt_add_translations, lupdate and lrelease
    qt6-translations-l10n              # Qt's own texts in Czech (qtbase_cs.qm)
    liblitehtml-dev                    # the preview's HTML renderer (brings libgumbo-dev)
    fonts-liberation2                  # metric stand-ins for Times New Roman / Courier New
    xvfb xauth xclip                   # headless X server for clipboard tests, clipboard reader
    desktop-file-utils appstream       # validators for the desktop entry and metainfo
    dpkg-dev                           # dpkg-shlibdeps, for the Debian package
    strace                             # checks that the program touches no files or network
    clang libclang-rt-14-dev           # the model's fuzzer (libFuzzer) and sanitizer runtimes
)

source "$root/scripts/packages.sh"
install_missing "${packages[@]}"

build="$root/build"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTYLOMAT_WERROR=ON
fi
cmake --build "$build" --parallel "$(nproc)" ${1:+--target "$@"}
