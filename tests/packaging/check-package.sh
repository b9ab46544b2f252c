#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package that dpkg-buildpackage made, as apt would get it:
# the installed files plus Debian's changelog, copyright and lintian
# overrides, the version of the newest debian/changelog entry, dependencies
# worked out from the libraries the program links (X and fontconfig; sd-bus, which
# the program loads only where a session bus runs, is named by hand; the
# toolkit and the C++ runtime are linked in, and the toolkit's source is
# named in Built-Using), and a stripped program.
# Usage: check-package.sh SOURCE_DIR DEB
set -euo pipefail
src=$1
deb=$2
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/failures.sh"
field() { dpkg-deb --field "$deb" "$1"; }

if ! diff -u <( (sed 's|^|usr/|' "$here/installed-files.txt"
    printf '%s\n' usr/share/doc/vyx-calculator/changelog.gz usr/share/doc/vyx-calculator/copyright \
        usr/share/lintian/overrides/vyx-calculator) |
    sort) <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort); then
    fail "the package's files differ from the expected list (- expected, + packaged)"
fi
[ "$(field Package)" = vyx-calculator ] || fail "Package is '$(field Package)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] ||
    fail "Architecture is '$(field Architecture)'"
version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
depends=$(field Depends)
for lib in libc6 libx11-6 libxft2 libfontconfig1 libsystemd0; do
    grep -Eq "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: '$depends'"
done
# Depending on the packages of what is linked in would install what the
# program never loads.
for lib in 'libfox' 'libstdc\+\+'; do
    if grep -Eq "(^|, )$lib" <<<"$depends"; then fail "Depends names ${lib//\\/}: '$depends'"; fi
done
fox=$(dpkg-query -W -f='${source:Package} (= ${source:Version})' libfox-1.6-dev)
[ "$(field Built-Using)" = "$fox" ] ||
    fail "Built-Using is '$(field Built-Using)', not the linked-in toolkit's '$fox'"
dpkg-deb --extract "$deb" "$work/root"
file "$work/root/usr/bin/vyx-calculator" | grep -q ', stripped' ||
    fail "the packaged program is not stripped"
cmp -s "$work/root/usr/share/doc/vyx-calculator/copyright" "$src/debian/copyright" ||
    fail "the package's copyright is not debian/copyright"

finish "$(basename "$deb"): Depends: $depends; Built-Using: $(field Built-Using)"
