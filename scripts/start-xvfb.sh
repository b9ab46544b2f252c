#!/usr/bin/env bash
# Starts an Xvfb server on a free display and prints its number; the caller
# owns the process (its pid is written to the file named by $1).
set -euo pipefail
pidfile=${1:?usage: start-xvfb.sh PIDFILE}
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
echo $! >"$pidfile"
read -r display <"$fifo"
rm -f "$fifo"
echo "$display"
