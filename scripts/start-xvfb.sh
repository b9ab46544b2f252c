#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts an Xvfb server on a free display and prints its number; the caller
# owns the process (its pid is written to the file named by $1).
# The display number is drawn at random from a high range: servers that come
# and go on the low numbers, which a first-free choice keeps reusing, could
# otherwise remove a live server's socket file on their way out. The server
# never resets: it would whenever its last client leaves, which happens between
# one test program and the next, and refuse connections while resetting.
set -euo pipefail
pidfile=${1:?usage: start-xvfb.sh PIDFILE}
fifo=$(mktemp -u)
mkfifo "$fifo"
trap 'rm -f "$fifo"' EXIT
for _ in $(seq 20); do
    number=$((1000 + (RANDOM * 32768 + RANDOM) % 29000))
    # Xvfb reports the number on fd 3 once it accepts clients, or closes fd 3
    # unwritten when the display is taken.
    Xvfb ":$number" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    pid=$!
    display=""
    read -r display <"$fifo" || true
    if [ -n "$display" ]; then
        echo "$pid" >"$pidfile"
        echo "$display"
        exit 0
    fi
    wait "$pid" 2>/dev/null || true
done
echo "start-xvfb.sh: no free display found" >&2
exit 1
