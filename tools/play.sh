#!/bin/bash
# Builds the game and starts it under Wine from its game folder.
# Usage: tools/play.sh                      play on the current display
#        tools/play.sh --screenshot FILE    start it on a virtual screen, save a PNG of the main
#                                           window after start-up to FILE, and stop
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
game="$build/game"
screenshot=""
case "${1:-}" in
    --screenshot) [ -n "${2:-}" ] || { echo "usage: $0 [--screenshot FILE.png]" >&2; exit 2; }
                  screenshot="$(realpath -m "$2")" ;;
    "") ;;
    *) echo "usage: $0 [--screenshot FILE.png]" >&2; exit 2 ;;
esac

if [ -z "$screenshot" ] && [ -z "${DISPLAY:-}" ]; then
    echo "There is no display to show the game on (DISPLAY is not set)." >&2
    echo "Run it from a desktop session, or use: $0 --screenshot FILE.png" >&2
    exit 1
fi

bash "$root/tools/setup-debian.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target market_data windows_build

source "$root/tools/wine-common.sh"

# The game runs in a copy of its own of a prefix template, like every test, so a test run beside it
# neither meets its Wine server nor can end it. On a desktop the window manager frames the game and lists
# it; elsewhere (a bare display, the virtual screen of --screenshot) Wine frames it itself.
if [ -z "$screenshot" ] && window_manager_running; then
    template="$build/wineprefix-managed"
    bash "$root/tools/wine-prefix.sh" "$template" --managed
else
    template="$build/wineprefix"
    bash "$root/tools/wine-prefix.sh" "$template"
fi
make_run_folder "$build/wine-runs"
trap 'stop_wine; stop_virtual_screen; rm -rf "$run_folder"' EXIT
trap 'exit 1' INT TERM HUP
copy_prefix "$template" "$run_folder/prefix"
wine_environment "$run_folder/prefix"
if [ -z "$screenshot" ]; then
    cd "$game"
    "$WINE" Tickerdell.exe
    exit $?
fi

# On a virtual screen of its own, in a copy of the game folder: wait for the main window, photograph
# it, then end the game.
cp -a "$game" "$run_folder/game"
cd "$run_folder/game"
start_virtual_screen "$run_folder" 800x600
"$WINE" Tickerdell.exe &
id=""
for i in $(seq 1 150); do
    id=$(xwininfo -root -tree 2>/dev/null | awk '/"Tickerdell"/ {print $1; exit}') || true
    [ -n "$id" ] && break
    sleep 0.2
done
# The main window is listed as soon as it is mapped; its screen is drawn just after.
sleep 1
if [ -n "$id" ]; then import -window "$id" "$screenshot"; else import -window root "$screenshot"; fi
[ -n "$id" ] || { echo "The main window did not appear; saved the whole screen instead." >&2; exit 1; }
echo "Saved a screenshot of the main window to $screenshot"
