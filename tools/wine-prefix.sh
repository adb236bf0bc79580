#!/bin/bash
# Makes a private Wine prefix template that the game and its tests run copies of (never the user's own
# ~/.wine): no Mono or Gecko prompts, fixed-pitch and serif faces for the old font names the game asks
# for, and Wine's own system faces so that message boxes and caption buttons draw as on Windows.
# Usage: wine-prefix.sh PREFIX [--managed]
#   Without --managed, Wine draws every frame itself: a virtual screen without a window manager needs
#   that, or each window that closes stalls for two seconds. With --managed, a window manager frames the
#   game's windows and lists them in its taskbar and Alt+Tab.
# The prefix is made in a folder of its own and renamed into place when complete, so a run that copies
# it never sees half a prefix, and two scripts making it at once cannot spoil each other's.
set -euo pipefail
prefix="$(realpath -m "$1")"
managed=N
case "${2:-}" in
    --managed) managed=Y ;;
    "") ;;
    *) echo "usage: $0 PREFIX [--managed]" >&2; exit 2 ;;
esac

source "$(dirname "$0")/wine-common.sh"
# A prefix made by an older version of this script, or by another version of Wine, is made again.
settings_version="5 Managed=$managed $("$WINE" --version)"
is_ready() { [ "$(cat "$1/.tickerdell-ready" 2>/dev/null)" = "$settings_version" ]; }
runs="$(dirname "$prefix")/wine-runs"
remove_abandoned_runs "$runs"
is_ready "$prefix" && exit 0

# Debian's fonts-wine puts Wine's faces where this Wine build never looks, so the prefix gets copies.
# Marlett draws the caption buttons (without it they show the letters "0 1 r"). Tahoma is the face of
# the message and caption fonts; without it Wine falls back on Liberation Sans, whose text at that
# size draws a few pixels wider than Wine measures it, so a message box cuts its last letters.
wine_fonts=/usr/share/wine/fonts
system_faces=(marlett.ttf tahoma.ttf tahomabd.ttf)
for face in "${system_faces[@]}"; do
    [ -f "$wine_fonts/$face" ] || { echo "wine-prefix.sh: $wine_fonts/$face is missing (apt-get install fonts-wine)" >&2; exit 1; }
done

make_run_folder "$runs"
made="$run_folder/prefix"
trap 'stop_wine; stop_virtual_screen; rm -rf "$run_folder"' EXIT
trap 'exit 1' INT TERM HUP
wine_environment "$made"

settings="$run_folder/tickerdell-settings.reg"
cat > "$settings" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="$managed"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"Courier"="DejaVu Sans Mono"
"Courier New"="DejaVu Sans Mono"
"Times New Roman"="Liberation Serif"
"Helv"="Liberation Sans"
"MS Sans Serif"="Liberation Sans"
REG

# Wine shows the whole Unix file system as drive Z:.
start_virtual_screen "$run_folder" 800x600
"$WINE" wineboot -i && "$WINE" regedit /S "Z:${settings//\//\\}" && "$WINESERVER" -w
stop_virtual_screen
[ -f "$made/system.reg" ] || { echo "wine-prefix.sh: Wine did not create $prefix" >&2; exit 1; }
grep -q "\"Managed\"=\"$managed\"" "$made/user.reg" || { echo "wine-prefix.sh: settings not applied" >&2; exit 1; }
# Wine reads the faces in C:\windows\Fonts when it starts, so no registration is needed.
for face in "${system_faces[@]}"; do
    cp "$wine_fonts/$face" "$made/drive_c/windows/Fonts/$face"
done
echo "$settings_version" > "$made/.tickerdell-ready"
stop_wine

# A rename cannot replace a folder that holds files: whoever renames first wins, and an older prefix is
# moved aside first (into this run's folder, which goes when the script ends).
mv -T "$made" "$prefix" 2>/dev/null && exit 0
is_ready "$prefix" && exit 0
mv -T "$prefix" "$run_folder/older" && mv -T "$made" "$prefix"
