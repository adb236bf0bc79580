#!/bin/bash
# Makes the private Wine prefix that the game and its tests run in (never the user's own ~/.wine):
# no Mono or Gecko prompts, fixed-pitch and serif faces for the old font names the game asks for, and
# Wine's own system faces so that message boxes and caption buttons draw as on Windows.
# Usage: wine-prefix.sh PREFIX [--managed]
#   Without --managed, Wine draws every frame itself: a virtual screen without a window manager needs
#   that, or each window that closes stalls for two seconds. With --managed, a desktop's window manager
#   frames the game's windows and lists them in its taskbar and Alt+Tab.
set -euo pipefail
prefix="$1"
managed=N
case "${2:-}" in
    --managed) managed=Y ;;
    "") ;;
    *) echo "usage: $0 PREFIX [--managed]" >&2; exit 2 ;;
esac

# A prefix made by an older version of this script takes the current settings on its next use.
settings_version="3 Managed=$managed"
ready="$prefix/.tickerdell-ready"
[ "$(cat "$ready" 2>/dev/null)" = "$settings_version" ] && exit 0

# Debian's fonts-wine puts Wine's faces where this Wine build never looks, so the prefix gets copies.
# Marlett draws the caption buttons (without it they show the letters "0 1 r"). Tahoma is the face of
# the message and caption fonts; without it Wine falls back on Liberation Sans, whose text at that
# size draws a few pixels wider than Wine measures it, so a message box cuts its last letters.
wine_fonts=/usr/share/wine/fonts
system_faces=(marlett.ttf tahoma.ttf tahomabd.ttf)
for face in "${system_faces[@]}"; do
    [ -f "$wine_fonts/$face" ] || { echo "wine-prefix.sh: $wine_fonts/$face is missing (apt-get install fonts-wine)" >&2; exit 1; }
done

source "$(dirname "$0")/wine-common.sh"
wine_environment "$prefix"
mkdir -p "$prefix"

settings="$prefix/tickerdell-settings.reg"
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
with_display '"$WINE" wineboot -i && "$WINE" regedit /S "$1" && "$WINESERVER" -w' "Z:${settings//\//\\}"
[ -f "$prefix/system.reg" ] || { echo "wine-prefix.sh: Wine did not create $prefix" >&2; exit 1; }
grep -q "\"Managed\"=\"$managed\"" "$prefix/user.reg" || { echo "wine-prefix.sh: settings not applied" >&2; exit 1; }
# Wine reads the faces in C:\windows\Fonts when it starts, so no registration is needed.
for face in "${system_faces[@]}"; do
    cp "$wine_fonts/$face" "$prefix/drive_c/windows/Fonts/$face"
done
echo "$settings_version" > "$ready"
