#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package twice, from two clones of the committed tree in
# folders of different names and depths, under a different umask, time zone
# and locale, and compares the .deb files byte for byte. On a difference it
# shows diffoscope's account of it when diffoscope is installed
# (apt-get install --no-install-recommends diffoscope).
# The build-time tests are skipped: they do not change what is packaged.
# Usage: scripts/check-reproducible.sh [WORK_FOLDER]   (default build-repro/)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/install-deps.sh "${PACKAGE_PACKAGES[@]}"
work=$(realpath -m "${1:-build-repro}")
rm -rf "$work"
mkdir -p "$work"
git clone -q . "$work/first"
git clone -q . "$work/second/elsewhere/vyx"

build() { # clone, umask, TZ, locale
    (cd "$1" && umask "$2" && TZ=$3 LC_ALL=$4 LANG=$4 DEB_BUILD_OPTIONS=nocheck \
        ./package.sh -b >"$1.log" 2>&1) || {
        tail -n 30 "$1.log"
        echo "FAIL: the build in $1 failed"
        exit 1
    }
}
build "$work/first" 0022 UTC C.UTF-8
build "$work/second/elsewhere/vyx" 0077 Pacific/Kiritimati POSIX

status=0
for deb in "$work"/first/build-deb/*.deb; do
    name=$(basename "$deb")
    other=$work/second/elsewhere/vyx/build-deb/$name
    if [ ! -f "$other" ]; then
        echo "FAIL: the second build made no $name"
        status=1
    elif cmp -s "$deb" "$other"; then
        echo "identical: $name ($(sha256sum <"$deb" | cut -c1-16))"
    else
        echo "DIFFERENT: $name"
        if command -v diffoscope >/dev/null; then diffoscope "$deb" "$other" || true; fi
        status=1
    fi
done
[ $status -eq 0 ] && echo "The two builds made byte-identical packages."
exit $status
