#!/bin/bash
# Runs clang-tidy over the project's own sources: the portable files with the native build's compile
# commands, the Win32 files with the cross build's (clang is told where mingw-w64 keeps its headers).
# Prints each finding and exits 1 when there is any.
# Usage: tools/tidy.sh [BUILD]   (after tools/test.sh has built both builds in BUILD, ./build by default)
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
cd "$root"
cxx=/usr/lib/gcc/x86_64-w64-mingw32/12-posix/include/c++
cross="--extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-isystem$cxx --extra-arg=-isystem$cxx/x86_64-w64-mingw32 --extra-arg=-isystem/usr/x86_64-w64-mingw32/include"
sources=$(git ls-files 'model/*.cpp' 'runtime/*.cpp' 'trading/*.cpp' 'views/*.cpp' 'shell/*.cpp' 'tools/*.cpp')
portable=$(grep -v /win32/ <<<"$sources")
win32=$(grep /win32/ <<<"$sources")
findings=$(
    {
        xargs -P 2 -n 4 clang-tidy -p "$build" --quiet <<<"$portable" 2>/dev/null
        # shellcheck disable=SC2086
        xargs -P 2 -n 4 clang-tidy -p "$build/windows" --quiet $cross <<<"$win32" 2>/dev/null
    } | grep -E "^$root.*(warning|error):" | sort -u
)
if [ -n "$findings" ]; then
    echo "$findings"
    echo "tidy: $(wc -l <<<"$findings") finding(s)"
    exit 1
fi
echo "tidy: no findings"
