#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the AppStream compose a distribution runs over each package before
# software centres can list it, on an install under /usr in a temporary root:
# the run must raise no error and no warning, and its catalogue must list the
# calculator with its icons cached at the sizes software centres show.
# Usage: check-appstream-compose.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/failures.sh"
id=org.vyx.Calculator

root=$work/root
out=$work/out
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
# --no-net: the only thing compose fetches is the screenshot, from the
# project's web address, which a build machine cannot count on reaching (it
# would warn screenshot-download-error). That the address leads to the
# README's PNG is checked with the metadata; everything else is judged here.
# The report keeps its colour codes despite --no-color; they are taken out.
status=0
report=$(appstreamcli compose --no-net --no-color --print-report=full --prefix=/usr \
    --result-root="$out" --origin=vyx "$root" 2>&1) || status=$?
report=$(sed 's/\x1b\[[0-9;]*m//g' <<<"$report")
echo "$report"
[ "$status" -eq 0 ] || fail "appstreamcli compose ended with status $status"
# Compose ends with status 0 on warnings, and drops a component on an error.
if grep -Eq '^ +[EW]: ' <<<"$report"; then fail "the compose report has errors or warnings"; fi

catalog=$work/catalog.xml
zcat "$out/usr/share/swcatalog/xml/vyx.xml.gz" >"$catalog" 2>/dev/null ||
    fail "compose wrote no catalogue"
component="/components/component[id='$id']"
[ "$(xmllint --xpath "count($component)" "$catalog" 2>/dev/null)" = 1 ] ||
    fail "the catalogue does not list $id once"
# The cached icons are the ones software centres show: they must be the
# window's art, not a blurred rescale of another size.
for icon in 64:32 128:32; do
    size=${icon%:*}
    cached=$(xmllint --xpath "string($component/icon[@type='cached'][@width='$size'][@height='$size'])" \
        "$catalog" 2>/dev/null || true)
    # Its format is compose's choice (PNG, or JPEG XL in newer composes).
    image=$out/usr/share/swcatalog/icons/vyx/${size}x$size/$cached
    if [ -z "$cached" ] || [ ! -f "$image" ]; then
        fail "the catalogue holds no cached ${size}x$size icon"
    elif ! python3 "$here/icon_matches_xpm.py" "$src/app/icons/calculator${icon#*:}.xpm" "$image" "$size"; then
        fail "the cached ${size}x$size icon is not the window's icon"
    fi
done

finish "AppStream compose lists $id with cached icons at 64 and 128 pixels, without errors or warnings."
