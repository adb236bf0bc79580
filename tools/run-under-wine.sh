#!/bin/bash
# Runs a Windows program under Wine, alone, and answers the program's exit code.
# Usage: run-under-wine.sh --prefix TEMPLATE [--screen WxH] [--game-folder FOLDER]
#                          [--window-manager NAME] [--alongside COMMANDS] -- PROGRAM.exe [ARGS...]
#   --prefix TEMPLATE       the prefix template (made by wine-prefix.sh when missing); the program runs
#                           in a copy of its own, so its Wine server serves no other run
#   --screen WxH            the size of its own virtual screen (800x600 when not given)
#   --game-folder FOLDER    run in a fresh copy of FOLDER (the copy is kept, and named, when the run
#                           fails); without it the program runs in the current folder
#   --window-manager NAME   run the window manager NAME (openbox, say) on the virtual screen, with a copy
#                           of the managed template TEMPLATE-managed, so that windows are framed, focused
#                           and activated by the manager as on a desktop
#   --alongside COMMANDS    while the program runs (started just before), run the bash COMMANDS in its folder and
#                           environment (DISPLAY, XAUTHORITY and WINEPREFIX are the run's own), to drive
#                           the program with xdotool, say, or photograph it; when they end, the program is
#                           ended if it still runs, and the run answers their exit code when it is not 0,
#                           else the program's when it ended by itself, else 0 (COMMANDS that end with
#                           "$WINESERVER" -w wait for the program, and all of Wine, to end by itself)
# Everything the run made (the prefix copy, the screen, Wine's processes) is gone when it returns.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
template="" screen="800x600" game_folder="" window_manager="" alongside=""
usage() { sed -n '3,4s/^# \?//p' "$0" >&2; exit 2; }
while [ $# -gt 0 ]; do
    case "$1" in
        --prefix) template="$(realpath -m "${2:?}")"; shift 2 ;;
        --screen) screen="${2:?}"; shift 2 ;;
        --game-folder) game_folder="${2:?}"; shift 2 ;;
        --window-manager) window_manager="${2:?}"; shift 2 ;;
        --alongside) alongside="${2:?}"; shift 2 ;;
        --) shift; break ;;
        -*) usage ;;
        *) break ;;
    esac
done
[ -n "$template" ] && [ $# -gt 0 ] || usage
source "$here/wine-common.sh"

prefix_options=()
if [ -n "$window_manager" ]; then
    template="$template-managed"
    prefix_options=(--managed)
fi
bash "$here/wine-prefix.sh" "$template" "${prefix_options[@]}" || exit 1

code=1
make_run_folder "$(dirname "$template")/wine-runs" || exit 1
finish() {
    stop_wine
    stop_window_manager
    stop_virtual_screen
    if [ "$code" -ne 0 ] && [ -n "$game_folder" ] && [ -d "$run_folder/game" ]; then
        local kept="${run_folder%/*}/failed.${run_folder##*.}"
        mv -T "$run_folder/game" "$kept" && echo "run-under-wine.sh: the game folder is kept in $kept" >&2
    fi
    rm -rf "$run_folder"
}
trap finish EXIT
trap 'exit 1' INT TERM HUP

copy_prefix "$template" "$run_folder/prefix" || exit 1
wine_environment "$run_folder/prefix"
if [ -n "$game_folder" ]; then
    cp -a "$game_folder" "$run_folder/game" && cd "$run_folder/game" || exit 1
fi
start_virtual_screen "$run_folder" "$screen" || exit 1
if [ -n "$window_manager" ]; then
    start_window_manager "$window_manager" "$run_folder" || exit 1
fi
if [ -z "$alongside" ]; then
    # Waited for in the background, so that a signal to this script ends the run at once.
    "$WINE" "$@" <&0 &
    wait $!
    code=$?
    exit $code
fi
# The server is started first, so that neither the program nor the commands start one of their own
# (and a server that is ended while a program is still connecting to it can leave that program hanging).
"$WINESERVER"
"$WINE" "$@" &
program=$!
bash -c "$alongside"
code=$?
if jobs -rp | grep -qx "$program"; then
    stop_wine
    kill -KILL "$program" 2>/dev/null
    wait "$program"
else
    wait "$program"
    ended=$?
    [ $code -ne 0 ] || code=$ended
fi
exit $code
