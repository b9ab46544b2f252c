#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints, separated by NUL bytes, the files that make up the source: in a git
# clone the files git tracks or would track, elsewhere (a release tarball
# unpacked on a machine without git) every file but the build outputs that
# .gitignore names and the version control's own.
# Usage: scripts/source-files.sh   (from the top of the tree)
set -euo pipefail
if command -v git >/dev/null && git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done
else
    find . \( -path ./.git -o -path './build' -o -path './build-*' -o -name '*.swp' \
        -o -path './obj-*' -o -path ./debian/.debhelper -o -path ./debian/vyx-calculator \
        -o -path ./debian/files -o -path ./debian/debhelper-build-stamp -o -name '*.substvars' \
        -o -name '*.debhelper.log' \) -prune -o \( -type f -o -type l \) -printf '%P\0'
fi
