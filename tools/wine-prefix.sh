#!/bin/bash
# Makes the private Wine prefix that the game and its tests run in (never the user's own ~/.wine):
# no Mono or Gecko prompts, no window-manager stalls, and fixed-pitch and serif faces for the old
# font names the game asks for. Usage: wine-prefix.sh PREFIX
set -euo pipefail
prefix="$1"
[ -f "$prefix/.tickerdell-ready" ] && exit 0

source "$(dirname "$0")/wine-common.sh"
wine_environment "$prefix"
mkdir -p "$prefix"

settings="$prefix/tickerdell-settings.reg"
cat > "$settings" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Courier"="Liberation Mono"
"Courier New"="Liberation Mono"
"Times New Roman"="Liberation Serif"
"Helv"="Liberation Sans"
"MS Sans Serif"="Liberation Sans"
REG

# Wine shows the whole Unix file system as drive Z:.
with_display '"$WINE" wineboot -i && "$WINE" regedit /S "$1" && "$WINESERVER" -w' "Z:${settings//\//\\}"
[ -f "$prefix/system.reg" ] || { echo "wine-prefix.sh: Wine did not create $prefix" >&2; exit 1; }
grep -q '"Managed"="N"' "$prefix/user.reg" || { echo "wine-prefix.sh: settings not applied" >&2; exit 1; }
touch "$prefix/.tickerdell-ready"
