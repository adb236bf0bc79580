#!/bin/bash
# Plays the round in keyboard-loop.steps by keyboard alone, as a player without a mouse would, under a
# window manager that frames the game's windows: after each step the window that should remain must be
# the active one and must take the next key.
# Usage: keyboard-loop.sh --game DIR --prefix PREFIX [--wm openbox|fluxbox] [--screen WxH] [--shots DIR]
#   PREFIX is a template (PREFIX-managed is used); --shots DIR takes a PNG after each step.
# Runs in a screen, window manager and Wine server of its own; exits 1 when a step failed, 2 on bad arguments.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ "${1:-}" != --steps ]; then
    game="" prefix="" wm=openbox screen=1024x768 shots=""
    while [ $# -gt 0 ]; do
        case "$1" in
            --game | --prefix | --wm | --screen | --shots) declare "${1#--}=${2:-}"; shift 2 || exit 2 ;;
            *) sed -n 5p "$0" >&2; exit 2 ;;
        esac
    done
    [ -f "$game/Tickerdell.exe" ] || { echo "keyboard-loop: no Tickerdell.exe in '$game'" >&2; exit 2; }
    [ -z "$shots" ] || mkdir -p "$shots" || exit 2
    exec bash "$here/../../tools/run-under-wine.sh" --prefix "${prefix%-managed}" --screen "$screen" \
        --game-folder "$game" --window-manager "$wm" --alongside "bash '$here/keyboard-loop.sh' --steps '$shots'" \
        -- Tickerdell.exe
fi
shots="${2:-}"

active_id() { xdotool getactivewindow 2>/dev/null; }
active_title() { xdotool getwindowname "$(active_id)" 2>/dev/null; }
main=""  # the first step waits for it
is_active() {
    [ -n "$main" ] || main=$(xdotool search --limit 1 --onlyvisible --name '^Tickerdell$' 2>/dev/null)
    case "$1" in
        main) [ -n "$main" ] && [ "$(active_id)" = "$main" ] ;;
        box) [ "$(active_title)" = Tickerdell ] && [ "$(active_id)" != "$main" ] ;;
        *) [[ "$(active_title)" =~ $1 ]] ;;
    esac
}
step=0
while IFS='|' read -r expected what keys; do
    [[ -z "$expected" || "$expected" == \#* ]] && continue
    for key in $keys; do
        case "$key" in
            text:*) xdotool type --delay 30 "${key#text:}" ;;
            *) xdotool key "$key" ;;
        esac
    done
    deadline=$((SECONDS + 60))
    until is_active "$expected"; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "FAILED: $what: expected '$expected' active after keys $keys; active window: $(active_id)" \
                "'$(active_title)', input focus: $(xdotool getwindowfocus 2>/dev/null)" >&2
            [ -z "$shots" ] || import -window root "$shots/failed.png" 2>/dev/null
            exit 1
        fi
        sleep 0.1
    done
    step=$((step + 1))
    echo "ok $step - $what: '$(active_title)' is active"
    [ -z "$shots" ] || import -window root "$shots/$(printf %02d $step)-${what// /-}.png"
done <"$here/keyboard-loop.steps"
echo "keyboard loop passed"
