#!/bin/bash
# Plays a round by keyboard alone, as a player without a mouse would, under a window manager that frames
# the game's windows: buys from the share index, is refused a purchase, buys from the graph, rings the
# broker, sells, and rings past the end of the market. After each step the window that should remain
# must be the active one and must take the next key.
# Usage: keyboard-loop.sh --game DIR --prefix PREFIX [--wm openbox|fluxbox] [--screen WxH] [--shots DIR]
#   --game DIR       the game folder (Tickerdell.exe and the market files); copied, never written
#   --prefix PREFIX  a prefix TEMPLATE-managed (tools/wine-prefix.sh makes it when missing); copied
#   --wm NAME        the window manager to run (default openbox)
#   --screen WxH     the virtual screen's size (default 1024x768)
#   --shots DIR      saves a PNG of the screen after each step there, named by the step
# Runs in a screen, window manager and Wine server of its own (tools/run-under-wine.sh). Exits 0 when
# every step passed, 1 when one failed or the run could not start, 2 on wrong arguments.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ "${1:-}" != --steps ]; then
    game="" prefix="" wm=openbox screen=1024x768 shots=""
    while [ $# -gt 0 ]; do
        case "$1" in
            --game | --prefix | --wm | --screen | --shots) declare "${1#--}=${2:-}"; shift 2 || exit 2 ;;
            *) sed -n 6p "$0" >&2; exit 2 ;;
        esac
    done
    [ -f "$game/Tickerdell.exe" ] || { echo "keyboard-loop: no Tickerdell.exe in '$game'" >&2; exit 2; }
    [ -z "$shots" ] || mkdir -p "$shots" || exit 2
    exec bash "$here/../../tools/run-under-wine.sh" --prefix "${prefix%-managed}" --screen "$screen" \
        --game-folder "$game" --window-manager "$wm" --alongside "bash '$here/keyboard-loop.sh' --steps '$shots'" \
        -- Tickerdell.exe
fi
shots="${2:-}"

# Polls the condition (a command) until it holds or the seconds run out.
within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

active_id() { xdotool getactivewindow 2>/dev/null; }
active_title() { xdotool getwindowname "$(active_id)" 2>/dev/null; }
main_window=""
find_main_window() {
    main_window=$(xdotool search --onlyvisible --name '^Tickerdell$' 2>/dev/null | head -n1)
    [ -n "$main_window" ] && [ "$(active_id)" = "$main_window" ]
}
# "main" is the main window, "box" a message box (captioned as the main window is), else a caption pattern.
is_active() {
    case "$1" in
        main) [ "$(active_id)" = "$main_window" ] ;;
        box) [ "$(active_title)" = Tickerdell ] && [ "$(active_id)" != "$main_window" ] ;;
        *) [[ "$(active_title)" =~ $1 ]] ;;
    esac
}
failed() {
    echo "FAILED: $1" >&2
    echo "  active window: $(active_id || echo none) '$(active_title)'," \
        "input focus: $(xdotool getwindowfocus 2>/dev/null)" >&2
    [ -z "$shots" ] || import -window root "$shots/failed.png" 2>/dev/null
    exit 1
}

within 60 find_main_window || failed "the main window did not appear and become active"
# Each step: the window it must leave active, what it does, and its keys (xdotool key names, or text:WORD
# to type a word).
step=0
while IFS='|' read -r expected what keys; do
    [[ -z "$expected" || "$expected" == \#* ]] && continue
    for key in $keys; do
        case "$key" in
            text:*) xdotool type --delay 30 "${key#text:}" ;;
            *) xdotool key "$key" ;;
        esac
    done
    within 20 is_active "$expected" || failed "$what: expected '$expected' active after keys $keys"
    step=$((step + 1))
    echo "ok $step - $what: '$(active_title)' is active"
    [ -z "$shots" ] || import -window root "$shots/$(printf %02d $step)-${what// /-}.png"
done <<'STEPS'
main|start|
# A purchase accepted from the share index closes the Buy dialog and the index: the portfolio remains.
^Portfolio$|Alt+P on the main window|alt+p
^Make Purchase$|Alt+I on the portfolio|alt+i
^Buy Shares In|Enter on the share index|Return
box|Buy 100|text:100 alt+b
^Portfolio$|purchase accepted from the share index|Return
# A refused purchase closes the Buy dialog: the share index remains.
^Make Purchase$|Alt+I on the portfolio|alt+i
^Buy Shares In|Enter on the share index|Return
box|Buy 5|text:5 alt+b
^Make Purchase$|refused purchase|Return
# A purchase accepted from the graph closes the Buy dialog, the graph and the index.
^History of|Down then Alt+G on the share index|Down alt+g
^Buy Shares In|Alt+B on the graph|alt+b
box|Buy 100 from the graph|text:100 alt+b
^Portfolio$|purchase accepted from the graph|Return
# Ringing the broker settles both purchases.
main|Escape on the portfolio|Escape
^Password Protection$|Alt+R on the main window|alt+r
main|ring the broker|Return
# A sale of the first holding: the portfolio remains.
^Portfolio$|Alt+P on the main window|alt+p
^Sell Shares In|Alt+S on the portfolio|alt+s
box|Sell All|alt+a
^Portfolio$|sale|Return
# Ringing past the end of the market tells the result: the main window remains, and takes the keyboard.
main|Escape on the portfolio|Escape
^Password Protection$|Alt+R on the main window|alt+r
box|ring for 9999 days|text:9999 Return
main|end-of-data notice|Return
^Portfolio$|Alt+P after the end of the market|alt+p
main|Escape on the portfolio|Escape
STEPS
echo "keyboard loop passed"
