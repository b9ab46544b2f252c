#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and checks what a user would get:
# exactly the expected files, theme icons that are the window's own images,
# and a program that starts from there as its menu entry says.
# Usage: check-install.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/failures.sh"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
if ! diff -u "$here/installed-files.txt" \
    <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort); then
    fail "the installed files differ from the expected list (- expected, + installed)"
fi
[ -x "$prefix/bin/vyx-calculator" ] || fail "bin/vyx-calculator is not executable"

# Each theme size against the window's art it is drawn from: SIZE:ART.
for icon in 16:16 32:32 48:16 64:32 128:32 256:32; do
    size=${icon%:*}
    png=$prefix/share/icons/hicolor/${size}x$size/apps/org.vyx.Calculator.png
    [ -f "$png" ] &&
        python3 "$here/icon_matches_xpm.py" "$src/app/icons/calculator${icon#*:}.xpm" "$png" "$size" ||
        fail "the ${size}x$size theme icon is not the window's icon"
done

python3 "$here/installed_program.py" "$prefix" 2>&1 ||
    fail "the installed program did not start from the PATH and quit with status 0"

finish "The install holds every expected file, and the installed program starts and quits."
