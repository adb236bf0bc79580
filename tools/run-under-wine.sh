#!/bin/bash
# Runs a Windows program under Wine on its own virtual screen and answers the program's exit code.
# Usage: run-under-wine.sh --prefix PREFIX --screen WxH -- PROGRAM.exe [ARGS...]
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
prefix="" screen="800x600"
while [ $# -gt 0 ]; do
    case "$1" in
        --prefix) prefix="$2"; shift 2 ;;
        --screen) screen="$2"; shift 2 ;;
        --) shift; break ;;
        *) break ;;
    esac
done
[ -n "$prefix" ] || { echo "run-under-wine.sh: --prefix is required" >&2; exit 2; }

source "$here/wine-common.sh"
bash "$here/wine-prefix.sh" "$prefix" || exit 1
wine_environment "$prefix"

# Wine's helper processes must not outlive the virtual screen they were started on.
TICKERDELL_VIRTUAL_SCREEN="$screen" with_display \
    '"$WINE" "$@"; code=$?; "$WINESERVER" -k 2>/dev/null; exit $code' "$@"
