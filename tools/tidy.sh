#!/bin/bash
# Runs clang-tidy over the project's own sources: the portable files with the native build's compile
# commands, the Win32 files with the cross build's (clang is told where the cross compiler keeps its C++
# and Windows headers, as that compiler reports them).
# Prints each finding and exits 1 when there is any; exits 2 when clang-tidy cannot do its work (not on
# PATH, no compile commands, a file it cannot compile), so a broken check never passes for a clean one.
# Usage: tools/tidy.sh [BUILD]   (after tools/test.sh has built both builds in BUILD, ./build by default)
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
cd "$root" || exit 2

fail() {
    echo "tidy: $*" >&2
    exit 2
}
command -v clang-tidy >/dev/null || fail "clang-tidy is not on PATH"
for commands in "$build/compile_commands.json" "$build/windows/compile_commands.json"; do
    [ -f "$commands" ] || fail "no $commands: build both builds first (tools/test.sh)"
done

# The cross compiler's include search list, less its own headers (intrinsics and the like), which
# clang replaces with its own.
cross_compiler=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$build/windows/CMakeCache.txt")
cross_compiler="${cross_compiler:-x86_64-w64-mingw32-g++-posix}"
own_headers=$("$cross_compiler" -print-file-name=include) || fail "cannot run $cross_compiler"
cross=(--extra-arg=--target=x86_64-w64-mingw32)
while read -r folder; do
    folder=$(realpath -m "$folder")
    case "$folder" in "$own_headers" | "$own_headers-fixed") continue ;; esac
    cross+=("--extra-arg=-isystem$folder")
done < <("$cross_compiler" -E -x c++ -v /dev/null 2>&1 >/dev/null |
    sed -n '/^#include <...> search starts here:/,/^End of search list/{/^ /p}')
[ ${#cross[@]} -gt 1 ] || fail "$cross_compiler named no include folders"

sources=$(git ls-files 'model/*.cpp' 'runtime/*.cpp' 'trading/*.cpp' 'views/*.cpp' 'shell/*.cpp' 'tools/*.cpp')
portable=$(grep -v /win32/ <<<"$sources")
win32=$(grep /win32/ <<<"$sources")
if [ -z "$portable" ] || [ -z "$win32" ]; then fail "no sources found under $root"; fi

output=$(mktemp) errors=$(mktemp)
trap 'rm -f "$output" "$errors"' EXIT
# clang-tidy exits 0 with findings (they are warnings) and non-zero only when it could not do its work.
xargs -P 2 -n 4 clang-tidy -p "$build" --quiet <<<"$portable" >>"$output" 2>>"$errors"
portable_status=$?
xargs -P 2 -n 4 clang-tidy -p "$build/windows" --quiet "${cross[@]}" <<<"$win32" >>"$output" 2>>"$errors"
win32_status=$?
if [ $portable_status -ne 0 ] || [ $win32_status -ne 0 ]; then
    grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings' "$errors" >&2
    grep -E "(error|fatal error):" "$output" | sort -u >&2
    fail "clang-tidy failed (status $portable_status for the portable files, $win32_status for the Win32 files)"
fi

findings=$(grep -E "^$root.*(warning|error):" "$output" | sort -u)
if [ -n "$findings" ]; then
    echo "$findings"
    echo "tidy: $(wc -l <<<"$findings") finding(s)"
    exit 1
fi
echo "tidy: no findings"
