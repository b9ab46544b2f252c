#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the calculator side by side with a bare FOX window (and with xcalc
# where it is installed) on a virtual X server of its own, prints the medians
# and paired ratios and writes them to bench/RESULTS.md.
#   bench/run.sh            ten rounds, the real measurement
#   bench/run.sh --smoke    one short round into build/bench/, to prove it works
# Further options go to vyx-bench (--rounds N, --keys N, --idle SECONDS).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"

results=bench/RESULTS.md
options=()
if [ "${1:-}" = --smoke ]; then
    shift
    results=build/bench/smoke-results.md
    options=(--rounds 1 --keys 2 --idle 0.3)
fi

# The program as the README builds it; two jobs, as the machine is shared.
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(vyx-bench bench-floor bench-floor-static)
programs=()
if [ -f app/CMakeLists.txt ]; then
    targets+=(vyx-calculator)
    programs+=("vyx-calculator=build/vyx-calculator")
fi
cmake --build build -j2 --target "${targets[@]}"
programs+=("bare FOX window=build/bench/bench-floor"
    "bare FOX window, static FOX=build/bench/bench-floor-static")
if command -v xcalc >/dev/null; then programs+=("xcalc=xcalc"); fi

pidfile=$(mktemp)
display=$(bash scripts/start-xvfb.sh "$pidfile")
trap 'kill "$(cat "$pidfile")" 2>/dev/null; rm -f "$pidfile"' EXIT

# The calculator's quitting with a copy held, without and with a desktop's
# clipboard manager (Xfce's settings daemon, in a D-Bus session of its own).
if [ -f app/CMakeLists.txt ]; then
    options+=(--quit build/vyx-calculator
        --manager "xfsettingsd=dbus-run-session -- xfsettingsd --no-daemon")
fi

# One UTF-8 locale and no input method server for every program and machine:
# both decide how much the X library loads at start-up.
env -u XMODIFIERS LC_ALL=C.UTF-8 DISPLAY=":$display" \
    build/bench/vyx-bench "${options[@]}" "$@" --results "$results" "${programs[@]}"
echo "Written to $results"
