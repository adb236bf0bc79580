#!/bin/bash
# Runs clang-tidy over the project's own sources: the core with the native build's compile commands,
# the Win32 files with the cross build's (clang is told where mingw-w64 keeps its headers).
# Usage: tools/tidy.sh   (after tools/test.sh has built both builds in ./build)
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
cxx=/usr/lib/gcc/x86_64-w64-mingw32/12-posix/include/c++
cross=(--extra-arg=--target=x86_64-w64-mingw32 "--extra-arg=-isystem$cxx" "--extra-arg=-isystem$cxx/x86_64-w64-mingw32"
       --extra-arg=-isystem/usr/x86_64-w64-mingw32/include)
# The file lists of the two libraries, as the build files name them.
sources_of() { sed -n "/add_library($1/,/)/p" "$2" | grep -o '[A-Za-z/_]*\.cpp'; }
core_files="$(sources_of tickerdell_core CMakeLists.txt) $(ls tools/marketgen/*.cpp)"
win32_files="$(sources_of tickerdell_win32 cmake/WindowsBuild.cmake) shell/WinMain.cpp"
{
    for f in $core_files; do clang-tidy -p build --quiet "$f" 2>/dev/null; done
    for f in $win32_files; do clang-tidy -p build/windows --quiet "${cross[@]}" "$f" 2>/dev/null; done
} | grep -E "^$root.*(warning|error)" | sort -u
