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

# ---- what the player sees ----
active_id() { xdotool getactivewindow 2>/dev/null; }
active_title() {
    local id
    id=$(active_id) && xdotool getwindowname "$id" 2>/dev/null
}
main_window=""
find_main_window() {
    main_window=$(xdotool search --onlyvisible --name '^Tickerdell$' 2>/dev/null | head -n1)
    [ -n "$main_window" ] && [ "$(active_id)" = "$main_window" ]
}
# The window named by the pattern is active (for "main", the main window itself).
is_active() {
    if [ "$1" = main ]; then
        [ "$(active_id)" = "$main_window" ]
    elif [ "$1" = box ]; then  # every message box of the game is captioned as the main window is
        [ "$(active_title)" = Tickerdell ] && [ "$(active_id)" != "$main_window" ]
    else
        [[ "$(active_title)" =~ $1 ]]
    fi
}

step_number=0
failed() {
    echo "FAILED: $1" >&2
    echo "  active window: $(active_id || echo none) '$(active_title)'," \
        "input focus: $(xdotool getwindowfocus 2>/dev/null)" >&2
    [ -z "$shots" ] || import -window root "$shots/failed.png" 2>/dev/null
    exit 1
}
# Presses the keys (xdotool key names, or text:WORD to type a word) and waits for the window to be active.
press() {
    local expected="$1" what="$2"
    shift 2
    for key in "$@"; do
        case "$key" in
            text:*) xdotool type --delay 30 "${key#text:}" ;;
            *) xdotool key "$key" ;;
        esac
    done
    within 20 is_active "$expected" || failed "$what: expected '$expected' active after keys $*"
}
# A step the loop checks: the window left active, shown as the step's picture.
checked() {
    local expected="$1" what="$2"
    shift 2
    press "$expected" "$what" "$@"
    step_number=$((step_number + 1))
    echo "ok $step_number - $what: '$(active_title)' is active"
    [ -z "$shots" ] || import -window root "$shots/$(printf %02d $step_number)-${what// /-}.png"
}

within 60 find_main_window || failed "the main window did not appear and become active"
checked main "start"

# A purchase accepted from the share index closes the Buy dialog and the index: the portfolio remains.
press '^Portfolio$' "Alt+P on the main window" alt+p
press '^Make Purchase$' "Alt+I on the portfolio" alt+i
press '^Buy Shares In' "Enter on the share index" Return
press box "Buy 100" text:100 alt+b
checked '^Portfolio$' "purchase accepted from the share index" Return

# A refused purchase closes the Buy dialog: the share index remains.
press '^Make Purchase$' "Alt+I on the portfolio" alt+i
press '^Buy Shares In' "Enter on the share index" Return
press box "Buy 5" text:5 alt+b
checked '^Make Purchase$' "refused purchase" Return

# A purchase accepted from the graph closes the Buy dialog, the graph and the index.
press '^History of' "Down then Alt+G on the share index" Down alt+g
press '^Buy Shares In' "Alt+B on the graph" alt+b
press box "Buy 100 from the graph" text:100 alt+b
checked '^Portfolio$' "purchase accepted from the graph" Return

# Ringing the broker settles both purchases.
press main "Escape on the portfolio" Escape
press '^Password Protection$' "Alt+R on the main window" alt+r
checked main "ring the broker" Return

# A sale of the first holding: the portfolio remains.
press '^Portfolio$' "Alt+P on the main window" alt+p
press '^Sell Shares In' "Alt+S on the portfolio" alt+s
press box "Sell All" alt+a
checked '^Portfolio$' "sale" Return

# Ringing past the end of the market tells the result: the main window remains.
press main "Escape on the portfolio" Escape
press '^Password Protection$' "Alt+R on the main window" alt+r
press box "ring for 9999 days" text:9999 Return
checked main "end-of-data notice" Return

# The main window still takes the keyboard.
checked '^Portfolio$' "Alt+P after the end of the market" alt+p
checked main "Escape on the portfolio" Escape
echo "keyboard loop passed"
