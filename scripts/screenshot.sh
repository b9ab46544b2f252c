#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of the calculator window as it opens, for the README.
# Usage: scripts/screenshot.sh [--dpi DPI] [OUTPUT.png]   (default docs/screenshot.png)
# Needs the built program (./run.sh or cmake --build build); without a display
# it runs the calculator on a virtual one of its own. --dpi shows the window as
# a desktop at that font resolution (Xft.dpi) does, such as 192 for twice the
# size: always on a virtual display, whose resources it may set, and with a
# home of its own, so that no registry setting of the user's gets in the way.
set -euo pipefail
cd "$(dirname "$0")/.."
dpi=""
if [ "${1:-}" = "--dpi" ]; then
    [[ "${2:-}" =~ ^[0-9]+$ ]] || { echo "--dpi takes a whole number, such as 192." >&2; exit 2; }
    dpi=$2
    shift 2
fi
out=${1:-docs/screenshot.png}
program=${VYX_PROGRAM:-build/vyx-calculator}
[ -x "$program" ] || { echo "No $program: build the calculator first." >&2; exit 1; }
round_trip=${VYX_ROUND_TRIP:-build/tests/tools/window_round_trip}
[ -x "$round_trip" ] || cmake --build build --target window_round_trip >/dev/null

xvfb_pidfile=""
calculator=""
home=""
cleanup() {
    [ -n "$calculator" ] && kill "$calculator" 2>/dev/null || true
    [ -n "$home" ] && rm -rf "$home"
    if [ -n "$xvfb_pidfile" ]; then
        kill "$(cat "$xvfb_pidfile")" 2>/dev/null || true
        rm -f "$xvfb_pidfile"
    fi
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ] || [ -n "$dpi" ]; then
    xvfb_pidfile=$(mktemp)
    export DISPLAY=":$(bash scripts/start-xvfb.sh "$xvfb_pidfile")"
fi
if [ -n "$dpi" ]; then
    echo "Xft.dpi: $dpi" | xrdb -nocpp -merge
    home=$(mktemp -d)
fi

if [ -n "$home" ]; then
    HOME="$home" "$program" &
else
    "$program" &
fi
calculator=$!

window=""
for _ in $(seq 200); do
    window=$(xdotool search --name '^Vyx Developer Calculator$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.05
done
[ -n "$window" ] || { echo "The calculator window did not appear." >&2; exit 1; }

# The window answers pings only once it is made whole, and only after it has
# worked through its queue and painted (window_round_trip.c says how).
for _ in $(seq 200); do
    status=0
    "$round_trip" "$window" 2>/dev/null || status=$?
    [ "$status" -ne 2 ] && break # 2: it takes no pings yet
    sleep 0.05
done
[ "$status" -eq 0 ] || { echo "The calculator window did not answer." >&2; exit 1; }

mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "Screenshot written to $out"
