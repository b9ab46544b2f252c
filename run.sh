#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the calculator (installing what is missing) and starts it. Without a
# display it starts a virtual one, so the program runs on a headless machine.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"

[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target vyx-calculator

if [ ! -x build/vyx-calculator ]; then
    echo "The window is not built yet; the engine library is in build/engine."
    exit 0
fi
if [ -z "${DISPLAY:-}" ]; then
    pidfile=$(mktemp)
    display=$(bash scripts/start-xvfb.sh "$pidfile")
    # The virtual display goes when the calculator does.
    trap 'kill "$(cat "$pidfile")" 2>/dev/null; rm -f "$pidfile"' EXIT
    export DISPLAY=":$display"
    echo "No display was set: the calculator runs on the virtual display $DISPLAY."
fi
build/vyx-calculator "$@"
