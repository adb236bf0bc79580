#!/bin/bash
# Runs ctest in ./build of the repository COUNT times in a row (10 when not given), each from a fresh
# Wine prefix as CI's runs are: the prefix templates are removed before each run. Prints each run's
# summary and time, and exits non-zero when any run failed.
# Usage: tools/repeat-ctest.sh [COUNT] [CTEST OPTIONS...]    e.g. tools/repeat-ctest.sh 10 -R wine
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
count="${1:-10}"
shift $(($# > 0 ? 1 : 0))
failed=0
for run in $(seq 1 "$count"); do
    rm -rf "$build/wineprefix" "$build/wineprefix-managed"
    started=$SECONDS
    output=$(ctest --test-dir "$build" -j "$(nproc 2>/dev/null || echo 2)" --output-on-failure "$@" 2>&1)
    code=$?
    summary=$(grep -E "tests passed" <<<"$output")
    echo "run $run of $count: ${summary:-no summary} ($((SECONDS - started)) s)"
    if [ $code -ne 0 ]; then
        failed=$((failed + 1))
        grep -A1000 -E "tests passed" <<<"$output"
        echo "$output" > "$build/repeat-ctest-$run.log"
        echo "(the whole output is in $build/repeat-ctest-$run.log)"
    fi
done
echo "$((count - failed)) of $count runs passed"
[ $failed -eq 0 ]
