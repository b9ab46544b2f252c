#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build and checks what apt would get: the
# expected files under /usr, dependencies worked out from the libraries the
# program links (X and fontconfig; the toolkit is linked in), and the control
# fields apt shows.
# Usage: check-package.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/failures.sh"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
debs=("$work"/vyx-calculator_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || {
    echo "FAIL: cpack made no single vyx-calculator_*.deb: $(ls "$work")"
    exit 1
}
deb=${debs[0]}
field() { dpkg-deb --field "$deb" "$1"; }

if ! diff -u <(sed 's|^|usr/|' "$here/installed-files.txt") \
    <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort); then
    fail "the package's files differ from the expected list (- expected, + packaged)"
fi
[ "$(field Package)" = vyx-calculator ] || fail "Package is '$(field Package)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] ||
    fail "Architecture is '$(field Architecture)'"
version=$(sed -n 's/^project(VyxCalculator VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
depends=$(field Depends)
for lib in libc6 libx11-6 libxft2 libfontconfig1; do
    grep -Eq "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: '$depends'"
done
# The toolkit and the C++ runtime are linked into the program: depending on
# their packages would install what it never loads.
for lib in 'libfox' 'libstdc\+\+'; do
    if grep -Eq "(^|, )$lib" <<<"$depends"; then fail "Depends names ${lib//\\/}: '$depends'"; fi
done
grep -Eq '^[^<>]+ <[^@ ]+@[^> ]+>$' <<<"$(field Maintainer)" ||
    fail "Maintainer '$(field Maintainer)' is not 'name <address>'"
# A stripped program carries no debugging sections into the users' systems.
dpkg-deb --extract "$deb" "$work/root"
file "$work/root/usr/bin/vyx-calculator" | grep -q ', stripped' ||
    fail "the packaged program is not stripped"

finish "$(basename "$deb"): $(field Depends)"
