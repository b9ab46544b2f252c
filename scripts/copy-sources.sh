#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the files that make up the source into a folder: in a git clone the
# files git tracks or would track, elsewhere (a release tarball unpacked on a
# machine without git) every file but the build outputs that .gitignore names
# and the version control's own.
# Usage: scripts/copy-sources.sh DESTINATION
set -euo pipefail
dest=$(mkdir -p "$1" && cd "$1" && pwd)
cd "$(dirname "$0")/.."
if command -v git >/dev/null && git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done
else
    find . \( -path ./.git -o -path './build' -o -path './build-*' -o -name '*.swp' \
        -o -path './obj-*' -o -path ./debian/.debhelper -o -path ./debian/vyx-calculator \
        -o -path ./debian/files -o -path ./debian/debhelper-build-stamp -o -name '*.substvars' \
        -o -name '*.debhelper.log' -o -path ./Testing -o -name __pycache__ \) -prune \
        -o \( -type f -o -type l \) -printf '%P\0'
fi | tar --null --files-from=- -cf - | tar -xf - -C "$dest"
