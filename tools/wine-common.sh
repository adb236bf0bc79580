# Shared by the scripts that run Wine: where it is, its environment, and the private pieces each run
# gets so that no two runs ever meet: its own folder, its own copy of a prefix template (so its own Wine
# server), its own virtual screen, and, when asked, its own window manager.
WINE=$(command -v wine64 || echo /usr/lib/wine/wine64)
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINE WINESERVER
# Only prefixes of the run's own are ever used, or ended: never one the caller's environment names.
unset WINEPREFIX

wine_environment() {
    export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# A folder of this run's own under PARENT (made if missing), named in $run_folder. It records the
# running script so that a folder left behind by a killed run can be told from one in use.
make_run_folder() {
    mkdir -p "$1"
    run_folder=$(mktemp -d "$1/run.XXXXXX") || return 1
    echo $$ > "$run_folder/owner"
}

# Removes the run folders under PARENT whose script is no longer running (a run killed outright).
remove_abandoned_runs() {
    local folder owner
    for folder in "$1"/run.*; do
        [ -d "$folder" ] || continue
        owner=$(cat "$folder/owner" 2>/dev/null) || continue
        kill -0 "$owner" 2>/dev/null || rm -rf "$folder"
    done
    return 0
}

# Copies the prefix template FROM to TO, a new folder. The folders of Wine's own libraries and programs,
# more than 600 MB, are shared by hard links instead: Wine only reads them once a prefix is made (it would
# write them on its first start after an update of Wine, which gets a template of its own, see
# wine-prefix.sh). Everything else, the registry and drive C's other folders, is copied (about 25 MB).
copy_prefix() {
    local from="$1" to="$2" shared folder
    shared=(drive_c/windows/system32 drive_c/windows/syswow64 drive_c/windows/winsxs)
    mkdir "$to" || return 1
    tar -C "$from" "${shared[@]/#/--exclude=./}" -cf - . | tar -C "$to" -xf - || return 1
    for folder in "${shared[@]}"; do
        [ ! -d "$from/$folder" ] || cp -a --link "$from/$folder" "$to/$folder" || return 1
    done
}

# Starts an X server of SIZE (WxH) that only this run can reach and exports its DISPLAY and XAUTHORITY.
# The server takes the first free display number by binding its socket, which no other server can then
# bind, and names it on a pipe once it accepts clients: no lock-file guess, no wait for a fixed time.
# The cookie file and the pipe go in FOLDER. Sets $screen_pid.
start_virtual_screen() {
    local folder="$1" size="$2" cookie number
    cookie=$(mcookie) || return 1
    export XAUTHORITY="$folder/Xauthority"
    : > "$XAUTHORITY"
    # The server accepts every cookie in its file; clients look theirs up by display, added below.
    xauth -q -f "$XAUTHORITY" add :0 . "$cookie" || return 1
    mkfifo "$folder/displayfd"
    Xvfb -displayfd 3 -auth "$XAUTHORITY" -screen 0 "${size}x24" -nolisten tcp \
        3>"$folder/displayfd" 2>"$folder/Xvfb.log" &
    screen_pid=$!
    if ! read -r number < "$folder/displayfd"; then
        echo "The virtual screen did not start:" >&2
        cat "$folder/Xvfb.log" >&2
        wait "$screen_pid" || true
        screen_pid=""
        return 1
    fi
    export DISPLAY=":$number"
    xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie"
}

# Ends a background process of this shell (none when PID is empty) and waits until it has gone.
end_and_wait() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# Ends the virtual screen and waits until its server has gone.
stop_virtual_screen() {
    end_and_wait "${screen_pid:-}"
    screen_pid=""
}

# A window manager answers on the root window with a window of its own that names itself again.
window_manager_running() {
    local check
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -o '0x[0-9a-fA-F]*$') || return 1
    xprop -id "$check" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "$check"
}

# Starts the window manager NAME on the current display and waits (up to 20 s) until it manages the
# screen. Its output goes to FOLDER. Sets $manager_pid.
start_window_manager() {
    local name="$1" folder="$2" deadline=$((SECONDS + 20))
    "$name" >"$folder/$name.log" 2>&1 &
    manager_pid=$!
    until window_manager_running; do
        if ! kill -0 "$manager_pid" 2>/dev/null || [ $SECONDS -ge $deadline ]; then
            echo "The window manager $name did not start:" >&2
            cat "$folder/$name.log" >&2
            return 1
        fi
        sleep 0.05
    done
}

stop_window_manager() {
    end_and_wait "${manager_pid:-}"
    manager_pid=""
}

# Ends every process of the current prefix's Wine server, and the server, and waits until it has gone;
# then removes the server's folder. Debian's Wine keeps it in a temporary folder of its own that the
# prefix's file "wineserver" names; Wine's own in /tmp/.wine-UID, keyed by the prefix's device and inode.
stop_wine() {
    [ -d "${WINEPREFIX:-}" ] || return 0
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    local named id
    named=$(cat "$WINEPREFIX/wineserver" 2>/dev/null) || named=""
    if [[ "$named" =~ ^wine-[A-Za-z0-9]{6}$ ]]; then
        rm -rf "${TMPDIR:-/tmp}/$named" "$WINEPREFIX/wineserver"
    else
        id=$(stat -c '%d %i' "$WINEPREFIX" | { read -r dev ino && printf '%x-%x' "$dev" "$ino"; })
        rm -rf "/tmp/.wine-$(id -u)/server-$id"
    fi
}
