#!/bin/bash
# Fails when an include runs against the layers (model < runtime < trading, views < shell), when
# trading/ and views/, which stand side by side, include each other, or when a portable file (anything outside a win32/ folder) includes <windows.h> or a Win32 header of ours.
# Usage: tools/check-layers.sh   (from anywhere)
set -euo pipefail
cd "$(dirname "$0")/.."

rank() {
    case "$1" in
        model) echo 0 ;;
        runtime) echo 1 ;;
        trading | views) echo 2 ;;
        shell) echo 3 ;;
        *) echo -1 ;;
    esac
}

faults=0
while IFS= read -r file; do
    layer=${file%%/*}
    own=$(rank "$layer")
    portable=yes
    [[ "$file" == */win32/* ]] && portable=no
    while IFS= read -r line; do
        included=$(sed -E 's/^#include "([^"]+)".*/\1/' <<<"$line")
        target=${included%%/*}
        theirs=$(rank "$target")
        if [ "$theirs" -gt "$own" ]; then
            echo "$file: includes $included, a higher layer"
            faults=$((faults + 1))
        elif [ "$theirs" -eq "$own" ] && [ "$target" != "$layer" ]; then
            echo "$file: includes $included, a layer beside its own"
            faults=$((faults + 1))
        fi
        if [ $portable = yes ] && [[ "$included" == */win32/* ]]; then
            echo "$file: a portable file includes the Win32 header $included"
            faults=$((faults + 1))
        fi
    done < <(grep -E '^#include "' "$file" || true)
    if [ $portable = yes ] && grep -qiE '^#include <(windows|windowsx|commctrl)\.h>' "$file"; then
        echo "$file: a portable file includes a Windows header"
        faults=$((faults + 1))
    fi
done < <(git ls-files 'model/*' 'runtime/*' 'trading/*' 'views/*' 'shell/*' | grep -E '\.(cpp|h)$')

if [ "$faults" -gt 0 ]; then
    echo "check-layers: $faults include(s) against the layers"
    exit 1
fi
echo "check-layers: every include runs down the layers; no portable file includes a Windows header"
