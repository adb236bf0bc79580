#!/bin/bash
# Two Wine runs from one prefix template at once: the short run ends, and ends its Wine server, while
# the long run is still going. The long run must carry on and end with its own exit code, 7.
# Usage: runs-apart.sh RUN_UNDER_WINE TEMPLATE
set -uo pipefail
run_under_wine="$1" template="$2"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
trap '' PIPE  # a long run that was ended early no longer reads its input
mkfifo "$folder/input"

# The long run says it has started, then waits for a line on its input.
bash "$run_under_wine" --prefix "$template" -- \
    cmd /c "echo started> Z:${folder//\//\\}\\started & set /p line= & exit 7" < "$folder/input" &
long=$!
exec 3>"$folder/input"
deadline=$((SECONDS + 120))
until [ -f "$folder/started" ]; do
    kill -0 "$long" 2>/dev/null || { echo "The long run ended before it started."; exit 1; }
    [ $SECONDS -lt $deadline ] || { echo "The long run did not start within two minutes."; exit 1; }
    sleep 0.1
done

bash "$run_under_wine" --prefix "$template" -- cmd /c "exit 5"
short=$?
echo >&3 2>/dev/null
wait "$long"
long=$?
echo "The short run ended with $short, the long run after it with $long."
[ "$short" -eq 5 ] && [ "$long" -eq 7 ]
