#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Judges what lintian printed on the source and binary packages: every line
# counts against the package (shown, status 1), but for lintian's notes that
# it runs as root and how many overrides it used, and its reports of an
# unused override or of an override for a tag it does not know, where the
# override is marked "Suites disagree" in the source tree's override files:
# such an override answers a tag that only some Debian suites' lintian raises.
# Usage: check-lintian.sh SOURCE_DIR LINTIAN_OUTPUT
set -euo pipefail
src=$1
output=$2
# The tags of the marked overrides: the first word of each override line
# whose comment block holds the mark.
marked=$(awk '/^#/ { if ($0 ~ /^# Suites disagree:/) mark = 1; next }
    /^[^[:space:]]/ { if (mark) print $1 }
    /^$/ { mark = 0 }' "$src"/debian/source/lintian-overrides "$src"/debian/*.lintian-overrides)
status=0
while IFS= read -r line; do
    [[ "$line" == *"running with root privileges"* ]] && continue
    # The count of overridden hints and unused overrides, judged line by line.
    [[ "$line" =~ ^N:\ [0-9]+\ hints?\ overridden ]] && continue
    if [[ "$line" =~ ^[EI]:\ .*\ (unused-override|alien-tag)\ ([^ ]+) ]] &&
        grep -qxF "${BASH_REMATCH[2]}" <<<"$marked"; then
        continue
    fi
    echo "$line"
    status=1
done <"$output"
exit "$status"
