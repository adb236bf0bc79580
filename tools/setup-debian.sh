#!/bin/bash
# Installs, with apt-get, whatever the build, the tests and the game under Wine need and is missing.
set -euo pipefail
packages=(
    cmake make g++                      # the native build
    clang-format clang-tidy             # the formatting and lint checks of the test command
    googletest libbenchmark-dev         # core tests (also cross-built from source) and the benchmark
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev  # the Windows build
    wine64                              # runs the game and its Windows tests
    xvfb xauth x11-utils                # a virtual screen when there is no display
    fonts-liberation                    # the faces Wine substitutes for Courier, Times and Helv
    fonts-wine                          # Wine's Marlett and Tahoma, which the prefix copies in
    imagemagick                         # screenshots of the virtual screen
    openbox xdotool                     # the keyboard-only round under a window manager
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
