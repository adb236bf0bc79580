#!/bin/bash
# Builds the game folder twice, from two fresh clones of this repository's last commit in two folders of
# different names and lengths, one after the other, and compares the two folders byte for byte: the game,
# its market files and its help must come out the same from every build. Before comparing, two market
# files are deleted from the second folder and that build is run again, which must write them back.
# Uncommitted changes are not in the clones: commit first. Exits 0 when every file is the same in both.
# Usage: tools/check-reproducible.sh   (KEEP=1 keeps the two builds in the temporary folder it names)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc 2>/dev/null || echo 2)"
work=$(mktemp -d "${TMPDIR:-/tmp}/tickerdell-reproducible.XXXXXX")
if [ "${KEEP:-0}" = 1 ]; then
    echo "reproducible: keeping the builds in $work"
else
    trap 'rm -rf "$work"' EXIT
fi

# Each build compiles everything itself, and the help takes its date from the commit, as in a clean
# checkout where nobody has set one.
export CCACHE_DISABLE=1
unset SOURCE_DATE_EPOCH CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
builds=(a "second-build-in-a-longer-folder-name")
for name in "${builds[@]}"; do
    source="$work/$name"
    git clone --quiet "$root" "$source"
    echo "reproducible: building $(git -C "$source" log -1 --format='%h (%cd)' --date=iso) in $source"
    if ! { cmake -S "$source" -B "$source/build" -DCMAKE_BUILD_TYPE=Release &&
        cmake --build "$source/build" --target game -j "$jobs"; } >"$work/$name.log" 2>&1; then
        tail -n 30 "$work/$name.log"
        echo "reproducible: the build in $source failed"
        exit 1
    fi
done

first="$work/${builds[0]}/build/game"
second="$work/${builds[1]}/build/game"
# A market file lost from a built folder is written again by the next build, the same as before.
rm "$second/SHARES.NMS" "$second/SHistory/17.new"
cmake --build "$work/${builds[1]}/build" --target game >>"$work/${builds[1]}.log" 2>&1
if ! diff <(cd "$first" && find . -type f | sort) <(cd "$second" && find . -type f | sort); then
    echo "reproducible: the two game folders do not hold the same files"
    exit 1
fi
files=$(cd "$first" && find . -type f | sort)
if [ "$(wc -l <<<"$files")" -lt 56 ]; then
    echo "reproducible: the game folder is incomplete:" "$files"
    exit 1
fi
different=0
while read -r file; do
    cmp --quiet "$first/$file" "$second/$file" || { echo "differs: ${file#./}"; different=$((different + 1)); }
done <<<"$files"
(cd "$first" && sha256sum Tickerdell.exe project.hlp winhelp.hlp help.html SHARES.NMS SHistory/dates)
if [ $different -ne 0 ]; then
    echo "reproducible: $different of $(wc -l <<<"$files") files differ between the two builds"
    exit 1
fi
echo "reproducible: all $(wc -l <<<"$files") files of the game folder are byte-identical in both builds"
