#!/bin/bash
# Checks the layers and the formatting, builds both builds and runs every test through CTest: the native
# core and data tests, the core tests as a Windows .exe under Wine, and the GUI tests under Wine on a
# virtual screen; the core tests also run under the address and undefined-behaviour sanitizers, and
# clang-tidy must find nothing.
# Usage: tools/test.sh   (from anywhere; builds in ./build of the repository)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
jobs="$(nproc 2>/dev/null || echo 2)"

if [ "$(uname -s)" = Linux ] && command -v dpkg-query >/dev/null; then
    bash "$root/tools/setup-debian.sh"
fi
bash "$root/tools/check-layers.sh"
bash "$root/tools/check-format.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j "$jobs"
cd "$build"
bash "$root/tools/sanitize.sh"
bash "$root/tools/tidy.sh" "$build"
ctest --output-on-failure -j "$jobs"
