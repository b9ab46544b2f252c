# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the packaging checks: a check reports every fault it finds before
# it fails, so one run shows all that is wrong.
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
# Ends the check: status 1 after any fault, else the given summary.
finish() {
    [ "$failures" -eq 0 ] || exit 1
    echo "$*"
}
