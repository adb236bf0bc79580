# Shared by the scripts that run Wine: where it is, its environment, and a display to run it on.
WINE=$(command -v wine64 || echo /usr/lib/wine/wine64)
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINE WINESERVER

wine_environment() {
    export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# Runs a bash script text (further arguments become $1, $2, ...) on the current display, or on a fresh
# virtual screen of TICKERDELL_VIRTUAL_SCREEN (default 800x600) when that is set or no display exists.
with_display() {
    local script="$1"
    shift
    if [ -n "${DISPLAY:-}" ] && [ -z "${TICKERDELL_VIRTUAL_SCREEN:-}" ]; then
        bash -c "$script" _ "$@"
    else
        xvfb-run -a -s "-screen 0 ${TICKERDELL_VIRTUAL_SCREEN:-800x600}x24 -nolisten tcp" \
            bash -c "$script" _ "$@"
    fi
}
