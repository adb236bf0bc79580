#!/bin/bash
# Two Wine runs from one prefix template at once: the short run ends, and ends its Wine server, while
# the long run is still going. The long run must carry on and end with its own exit code, 7.
# Usage: runs-apart.sh RUN_UNDER_WINE TEMPLATE
set -uo pipefail
run_under_wine="$1" template="$2"
trap '' PIPE  # a long run that was ended early no longer reads its input

# The long run says it has started, then waits for a line on its input.
coproc long_run { bash "$run_under_wine" --prefix "$template" -- cmd /c "echo started& set /p line=& exit 7"; }
long_pid=$long_run_PID output=${long_run[0]} input=${long_run[1]}
said=""
until [[ "$said" == started* ]]; do
    read -r -t 120 said <&"$output" || { echo "The long run did not start within two minutes."; exit 1; }
done

bash "$run_under_wine" --prefix "$template" -- cmd /c "exit 5"
short=$?
echo >&"$input"
wait "$long_pid"
long=$?
echo "The short run ended with $short, the long run after it with $long."
[ "$short" -eq 5 ] && [ "$long" -eq 7 ]
