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

# A window manager answers on the root window with a window of its own that names itself again.
window_manager_running() {
    local check
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -o '0x[0-9a-fA-F]*$') || return 1
    xprop -id "$check" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "$check"
}

# On a desktop the window manager frames the game and lists it; elsewhere (a bare display, the virtual
# screen of --screenshot) Wine frames it itself, in the prefix the tests use.
if [ -z "$screenshot" ] && window_manager_running; then
    prefix="$build/wineprefix-play"
    bash "$root/tools/wine-prefix.sh" "$prefix" --managed
else
    prefix="$build/wineprefix"
    bash "$root/tools/wine-prefix.sh" "$prefix"
fi

source "$root/tools/wine-common.sh"
wine_environment "$prefix"
cd "$game"
if [ -z "$screenshot" ]; then
    exec "$WINE" Tickerdell.exe
fi

# On a virtual screen: wait for the main window, photograph it, then end the game.
TICKERDELL_VIRTUAL_SCREEN=800x600 with_display '
    "$WINE" Tickerdell.exe & game=$!
    for i in $(seq 1 150); do
        id=$(xwininfo -root -tree 2>/dev/null | awk "/\"Tickerdell\"/ {print \$1; exit}")
        [ -n "$id" ] && break
        sleep 0.2
    done
    sleep 1
    if [ -n "$id" ]; then import -window "$id" "$1"; else import -window root "$1"; fi
    code=$?
    "$WINESERVER" -k 2>/dev/null
    wait $game 2>/dev/null
    [ -n "$id" ] || { echo "The main window did not appear; saved the whole screen instead." >&2; exit 1; }
    exit $code' "$screenshot"
echo "Saved a screenshot of the main window to $screenshot"
