#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# debian/copyright must tell what the files themselves say: the licences and
# the copyright holders of the SPDX headers and .reuse/dep5, as the REUSE
# tool reads them, are those of debian/copyright's Files paragraphs.
# Usage: check-copyright.sh SOURCE_DIR
set -euo pipefail
src=$1
source "$(dirname "$0")/failures.sh"
spdx=$(cd "$src" && reuse spdx)
in_files() { sed -n "s/^$1: //p" <<<"$spdx" | sed 's|^<text>\(SPDX-FileCopyrightText: \)\{0,1\}||; s|</text>$||' | sort -u; }
in_debian() { sed -n "s/^$1: //p" "$src/debian/copyright" | sort -u; }

if ! diff -u <(in_files LicenseInfoInFile) <(in_debian License); then
    fail "the licences of the files (-) and of debian/copyright (+) differ"
fi
if ! diff -u <(in_files FileCopyrightText) <(in_debian Copyright); then
    fail "the copyright holders of the files (-) and of debian/copyright (+) differ"
fi
grep -qx 'Files: \*' "$src/debian/copyright" || fail "debian/copyright has no 'Files: *' paragraph"
finish "debian/copyright names the licence and holders of every file: $(in_debian License)"
