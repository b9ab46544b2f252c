#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package with dpkg-buildpackage (installing its build
# dependencies when missing), ready for:
#   sudo apt-get install ./build-deb/vyx-calculator_*.deb
# dpkg-buildpackage writes its results beside the source tree, so it builds a
# clean copy of this tree, its source files (scripts/copy-sources.sh), in build-deb/:
# nothing lands outside the clone and no earlier build is packaged.
# Arguments go to dpkg-buildpackage; without any it makes the source and the
# binary package, unsigned. DEB_BUILD_OPTIONS=nocheck skips the build-time tests.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
bash scripts/install-deps.sh "${PACKAGE_PACKAGES[@]}"

out=build-deb
tree=$out/vyx-calculator
rm -rf "$out"
mkdir -p "$tree"
bash scripts/copy-sources.sh "$tree"

# The build-time tests' dependencies only when the tests run.
profile=()
if [[ " ${DEB_BUILD_OPTIONS:-} " == *" nocheck "* ]]; then profile=(-Pnocheck); fi
if ! (cd "$tree" && dpkg-checkbuilddeps "${profile[@]}" 2>/dev/null); then
    apt_get() { if [ "$(id -u)" -eq 0 ]; then apt-get "$@"; else sudo apt-get "$@"; fi; }
    apt_get update -qq
    DEBIAN_FRONTEND=noninteractive apt_get -o DPkg::Lock::Timeout=600 build-dep -y -qq \
        --no-install-recommends "${profile[@]}" "./$tree"
fi

[ $# -gt 0 ] || set -- -us -uc
(cd "$tree" && dpkg-buildpackage "${profile[@]}" "$@")
ls "$out"/*.deb
