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

# --screenshot runs the game as a test does, on a virtual screen and in a copy of the game folder of its
# own, so it can run beside a ctest: wait for the main window, photograph it, then end the game.
if [ -n "$screenshot" ]; then
    export TICKERDELL_SCREENSHOT="$screenshot"
    bash "$root/tools/run-under-wine.sh" --prefix "$build/wineprefix" --game-folder "$game" --alongside '
        id=$(timeout 30 xdotool search --sync --onlyvisible --name "^Tickerdell\$" | head -n 1)
        # The main window is found as soon as it is mapped; its screen is drawn just after.
        sleep 1
        import -window "${id:-root}" "$TICKERDELL_SCREENSHOT" || exit 1
        [ -n "$id" ] || { echo "The main window did not appear; saved the whole screen instead." >&2; exit 1; }
        ' -- Tickerdell.exe
    echo "Saved a screenshot of the main window to $screenshot"
    exit 0
fi

# The game runs in a copy of its own of a prefix template, so that a test run beside it neither meets
# its Wine server nor can end it. On a desktop the window manager frames the game and lists it; on a
# bare display Wine frames it itself.
source "$root/tools/wine-common.sh"
if window_manager_running; then
    template="$build/wineprefix-managed"
    bash "$root/tools/wine-prefix.sh" "$template" --managed
else
    template="$build/wineprefix"
    bash "$root/tools/wine-prefix.sh" "$template"
fi
make_run_folder "$build/wine-runs"
trap 'stop_wine; rm -rf "$run_folder"' EXIT
trap 'exit 1' INT TERM HUP
copy_prefix "$template" "$run_folder/prefix"
wine_environment "$run_folder/prefix"
cd "$game"
# Waited for in the background, so that a signal to this script ends the game and cleans up at once.
"$WINE" Tickerdell.exe <&0 &
wait $!
