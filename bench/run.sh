#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the calculator side by side with a bare FOX window (and with xcalc
# where it is installed) on a virtual X server of its own, and the calculator
# again in two desktop sessions of its own, accessibility off and on; prints
# the medians and paired ratios and writes them to bench/RESULTS.md.
#   bench/run.sh            ten rounds, the real measurement
#   bench/run.sh --smoke    one short round into build/bench/, to prove it works
# Further options go to vyx-bench (--rounds N, --keys N, --idle SECONDS,
# --motions N).
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
sessions=$(mktemp -d)
display=$(bash scripts/start-xvfb.sh "$pidfile")
# Each session's daemons run in a process group of their own (setsid), which
# ends with everything they started.
trap 'for group in $(cat "$sessions"/*/groups 2>/dev/null); do kill -- "-$group" 2>/dev/null; done
      kill "$(cat "$pidfile")" 2>/dev/null; rm -rf "$pidfile" "$sessions"' EXIT

# Runs the command until it succeeds, for at most ten seconds.
wait_for() {
    local what=$1
    shift
    for _ in $(seq 200); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.05
    done
    echo "run.sh: $what did not come within ten seconds" >&2
    return 1
}

# A desktop session as the tests build one: a D-Bus session bus of its own, on
# which at-spi2-core's launcher starts the accessibility bus, and a first call
# starts its registry. The buses' sockets go to the session's own folder, and
# the launcher keeps its settings in memory, so that turning accessibility on
# here touches no one's desktop.
#   start_session NAME true|false    sets session_env and accessibility_bus
start_session() {
    local folder=$sessions/$1 enabled=$2 address
    mkdir "$folder"
    XDG_RUNTIME_DIR=$folder setsid dbus-daemon --session --nofork --print-address=3 \
        3>"$folder/address" >/dev/null 2>&1 &
    echo $! >>"$folder/groups"
    wait_for "the session bus" test -s "$folder/address"
    address=$(head -n 1 "$folder/address")
    session_env="DBUS_SESSION_BUS_ADDRESS=$address XDG_RUNTIME_DIR=$folder"
    local -a session=(env DISPLAY=":$display" GSETTINGS_BACKEND=memory $session_env)
    "${session[@]}" setsid /usr/libexec/at-spi-bus-launcher --launch-immediately \
        >/dev/null 2>&1 &
    echo $! >>"$folder/groups"
    wait_for "the accessibility bus" bash -c '"$@" | grep -q true' - "${session[@]}" \
        gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner org.a11y.Bus
    accessibility_bus=$("${session[@]}" gdbus call --session --dest org.a11y.Bus \
        --object-path /org/a11y/bus --method org.a11y.Bus.GetAddress | sed "s/^('\(.*\)',)$/\1/")
    "${session[@]}" gdbus call --address "$accessibility_bus" --dest org.a11y.atspi.Registry \
        --object-path /org/a11y/atspi/accessible/root \
        --method org.a11y.atspi.Accessible.GetChildren >/dev/null
    "${session[@]}" gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled "<$enabled>" \
        >/dev/null
}

# The calculator in a desktop session, accessibility off and on; the bridge
# joins the accessibility bus after the first drawing, and the probe measures
# keys and motions once it has. The rows without a session bus have none to
# find: neither an address nor a runtime folder is inherited.
if [ -f app/CMakeLists.txt ]; then
    off="vyx-calculator, session bus, accessibility off"
    on="vyx-calculator, session bus, accessibility on"
    start_session off false
    off_env=$session_env
    start_session on true
    programs=("${programs[0]}" "$off=$off_env build/vyx-calculator"
        "$on=$session_env build/vyx-calculator" "${programs[@]:1}")
    options+=(--accessible "$on=$accessibility_bus" --compare "$on" "$off")
fi

# The calculator's quitting with a copy held, without and with a desktop's
# clipboard manager (Xfce's settings daemon, in a D-Bus session of its own).
if [ -f app/CMakeLists.txt ]; then
    options+=(--quit build/vyx-calculator
        --manager "xfsettingsd=dbus-run-session -- xfsettingsd --no-daemon")
fi

# One UTF-8 locale and no input method server for every program and machine:
# both decide how much the X library loads at start-up.
env -u XMODIFIERS -u DBUS_SESSION_BUS_ADDRESS -u XDG_RUNTIME_DIR LC_ALL=C.UTF-8 DISPLAY=":$display" \
    build/bench/vyx-bench "${options[@]}" "$@" --results "$results" "${programs[@]}"
echo "Written to $results"
