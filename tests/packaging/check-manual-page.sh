#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page formats without a warning from man or groff, and its NAME
# line is one that whatis and apropos can index.
# Usage: check-manual-page.sh PAGE
set -euo pipefail
page=$1
source "$(dirname "$0")/failures.sh"

# Both report on standard error and still exit 0, so any report is a fault.
# 80 columns is the terminal width the table is laid out for.
report=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
[ -z "$report" ] || fail "man --warnings: $report"
report=$(groff -ww -t -man -Tutf8 -z "$page" 2>&1)
[ -z "$report" ] || fail "groff -ww: $report"
lexgrog "$page" | grep -q ': "vyx-calculator - ' ||
    fail "whatis cannot read the NAME line: $(lexgrog "$page" 2>&1)"

finish "The manual page formats cleanly."
