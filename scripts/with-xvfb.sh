#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with DISPLAY set to a virtual X server of its own, which
# goes when the command ends; used where no display may be assumed, such as
# the build-time tests of the Debian package.
# Usage: scripts/with-xvfb.sh COMMAND [ARGUMENT...]
set -euo pipefail
pidfile=$(mktemp)
display=$(bash "$(dirname "$0")/start-xvfb.sh" "$pidfile")
trap 'kill "$(cat "$pidfile")" 2>/dev/null; rm -f "$pidfile"' EXIT
DISPLAY=":$display" "$@"
