#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The menu entry and the software-centre metadata pass the desktop's own
# validators, and agree with each other and with the README they point at.
# Usage: check-desktop-metadata.sh SOURCE_DIR PACKAGING_BUILD_DIR
set -euo pipefail
src=$1
built=$2
desktop=$src/packaging/org.vyx.Calculator.desktop
metainfo=$built/org.vyx.Calculator.metainfo.xml
source "$(dirname "$0")/failures.sh"

# The validator exits 0 on warnings and hints, which still mean a fault here.
report=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$report" ] ||
    fail "desktop-file-validate: $report"
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) ||
    fail "appstreamcli validate: $report"

entry() { sed -n "s/^$1=//p" "$desktop"; }
meta() { xmllint --xpath "string($1)" "$metainfo"; }
[ "$(meta /component/name)" = "$(entry Name)" ] ||
    fail "the metadata's name '$(meta /component/name)' differs from the menu entry's"
for category in Utility Calculator; do
    grep -q "^Categories=\(.*;\)\?$category;" "$desktop" || fail "Categories lacks $category"
done
id=$(meta /component/id)
[ "$(meta /component/launchable)" = "$(basename "$desktop")" ] ||
    fail "the metadata launches '$(meta /component/launchable)', not $(basename "$desktop")"
[ "$(entry Icon)" = "$id" ] || fail "the menu entry's icon '$(entry Icon)' is not named $id"
[ "$(meta /component/provides/binary)" = "$(entry Exec)" ] ||
    fail "the metadata provides '$(meta /component/provides/binary)', the entry starts '$(entry Exec)'"

# The screenshot software centres show is the one the README shows.
screenshot=$(meta "/component/screenshots/screenshot[@type='default']/image")
readme_image=$(sed -n 's/^!\[[^]]*\](\([^)]*\)).*/\1/p' "$src/README.md" | head -1)
if [ -z "$readme_image" ]; then
    fail "the README shows no screenshot"
else
    [ "${screenshot%/"$readme_image"}" != "$screenshot" ] ||
        fail "the metadata's screenshot $screenshot is not the README's $readme_image"
    file "$src/$readme_image" | grep -q 'PNG image data' || fail "$readme_image is not a PNG image"
fi

finish "The menu entry and the metadata are valid and agree."
