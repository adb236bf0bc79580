#!/bin/bash
# Plays a round by keyboard alone, as a player without a mouse would, under a window manager and a
# prefix in which it frames the game's windows: buys from the share index, is refused a purchase, buys
# from the graph, rings the broker, sells, and rings past the end of the market. After each step the
# window that should remain must be the active one and must take the next key.
#
# Usage: keyboard-loop.sh --game DIR --prefix PREFIX [--wm openbox|fluxbox] [--screen WxH] [--shots DIR]
#   --game DIR       the game folder (Tickerdell.exe and the market files); copied, never written
#   --prefix PREFIX  a prefix made by `tools/wine-prefix.sh PREFIX --managed`; copied, never written
#   --wm NAME        the window manager to run (default openbox)
#   --screen WxH     the virtual screen's size (default 1024x768)
#   --shots DIR      saves a PNG of the screen after each step there, named by the step
# Runs its own Xvfb (a free display chosen by the server), window manager and Wine server, in a
# scratch folder removed on every exit. Exits 0 when every step passed, 1 when one failed, 2 when it
# could not run.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"

game="" prefix="" wm=openbox screen=1024x768 shots=""
usage() {
    echo "usage: $0 --game DIR --prefix PREFIX [--wm openbox|fluxbox] [--screen WxH] [--shots DIR]" >&2
    exit 2
}
while [ $# -gt 0 ]; do
    case "$1" in
        --game) game="${2:-}"; shift 2 || usage ;;
        --prefix) prefix="${2:-}"; shift 2 || usage ;;
        --wm) wm="${2:-}"; shift 2 || usage ;;
        --screen) screen="${2:-}"; shift 2 || usage ;;
        --shots) shots="${2:-}"; shift 2 || usage ;;
        *) usage ;;
    esac
done
[ -f "$game/Tickerdell.exe" ] || { echo "keyboard-loop: no Tickerdell.exe in '$game'" >&2; exit 2; }
grep -qs '"Managed"="Y"' "$prefix/user.reg" ||
    { echo "keyboard-loop: '$prefix' is not a prefix made with --managed" >&2; exit 2; }
for tool in Xvfb xauth "$wm" xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "keyboard-loop: $tool is not installed" >&2; exit 2; }
done
[ -z "$shots" ] || mkdir -p "$shots" || exit 2

source "$root/tools/wine-common.sh"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/keyboard-loop.XXXXXX")" || exit 2
xvfb="" wm_pid="" game_pid=""
clean_up() {
    if [ -n "$game_pid" ]; then
        "$WINESERVER" -k 2>/dev/null
        wait "$game_pid" 2>/dev/null
    fi
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap clean_up EXIT
trap 'exit 1' INT TERM HUP

# Polls the condition (a command) until it holds or the seconds run out.
within() {
    local seconds="$1"
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# The virtual screen, on the first free display, which the server writes to a descriptor when ready.
# Only clients with its cookie (for any display number, as the number is not known yet) may connect.
export XAUTHORITY="$scratch/Xauthority"
: >"$XAUTHORITY"
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
echo "ffff 0000  0000  0012 $(printf MIT-MAGIC-COOKIE-1 | od -An -tx1 | tr -d ' \n') 0010 $cookie" |
    xauth -q -f "$XAUTHORITY" nmerge - || exit 2
Xvfb -displayfd 3 -auth "$XAUTHORITY" -screen 0 "${screen}x24" -nolisten tcp 3>"$scratch/display" \
    2>"$scratch/xvfb.log" &
xvfb=$!
display_named() { grep -q '^[0-9]' "$scratch/display" 2>/dev/null; }
within 30 display_named || { echo "keyboard-loop: Xvfb did not start" >&2; cat "$scratch/xvfb.log" >&2; exit 2; }
DISPLAY=":$(head -n1 "$scratch/display")"
export DISPLAY

# The window manager keeps its settings in a home of its own here.
mkdir -p "$scratch/home"
HOME="$scratch/home" "$wm" >"$scratch/wm.log" 2>&1 &
wm_pid=$!
window_manager_running() {
    local check
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -o '0x[0-9a-fA-F]*$') || return 1
    xprop -id "$check" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "$check"
}
within 30 window_manager_running || { echo "keyboard-loop: $wm did not start" >&2; exit 2; }

cp -a "$prefix" "$scratch/prefix" && cp -a "$game" "$scratch/game" || exit 2
wine_environment "$scratch/prefix"
(cd "$scratch/game" && exec "$WINE" Tickerdell.exe) >"$scratch/wine.log" 2>&1 &
game_pid=$!

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
echo "keyboard loop passed under $wm"
