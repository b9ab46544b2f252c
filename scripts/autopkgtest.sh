#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the package's autopkgtest (debian/tests/) against the built .deb in a
# throwaway Debian system of the suite SUITE (default: this machine's own): a
# minimal root file system made by mmdebstrap from this machine's own Debian
# apt sources (scripts/suite-sources.py), unpacked afresh into a new
# folder and entered in new namespaces by autopkgtest's unshare server. The
# test installs the package and what it needs there, so nothing is left
# installed on this machine. The root file system is kept as a tarball in
# build-autopkgtest/ and made again when it is missing.
# Usage: scripts/autopkgtest.sh SOURCE_TREE DEB...
set -euo pipefail
tree=$1
shift
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
bash "$root/scripts/install-deps.sh" "${AUTOPKGTEST_PACKAGES[@]}"

suite=${SUITE:-$(. /etc/os-release && echo "$VERSION_CODENAME")}
work=$root/build-autopkgtest
tarball=$work/$suite-$(dpkg --print-architecture).tar
mkdir -p "$work"
if [ ! -f "$tarball" ]; then
    python3 "$root/scripts/suite-sources.py" "$suite" >"$work/$suite.list"
    # autopkgtest serves the package to the testbed's apt with apt-ftparchive.
    # A frozen copy of a rolling suite may be served past its Release file's
    # Valid-Until date; the option stays in the testbed for its own apt.
    # mmdebstrap's own mounts live in a mount namespace of their own.
    unshare --mount --propagation private mmdebstrap --quiet --variant=apt --include=apt-utils \
        --aptopt='Acquire::Check-Valid-Until "false";' \
        "$suite" "$work/$suite.partial.tar" "$work/$suite.list"
    mv "$work/$suite.partial.tar" "$tarball"
fi
rm -rf "$work/output-$suite"
# The root file system comes without package lists: the testbed fetches them.
run=(autopkgtest --output-dir "$work/output-$suite" --summary-file "$work/summary-$suite"
    --setup-commands "apt-get update -q" "$@" "${tree%/}/" -- unshare --tarball "$tarball")
# The unshare server maps the testbed's users onto subordinate ids of the
# caller, which /etc/subuid and /etc/subgid grant. Where root has none, it
# gets a range in a mount namespace of this run alone, so the machine's own
# files stay as they are.
user=$(id -un)
if grep -q "^$user:" /etc/subuid 2>/dev/null && grep -q "^$user:" /etc/subgid 2>/dev/null; then
    "${run[@]}"
elif [ "$(id -u)" -eq 0 ]; then
    ids=$work/subordinate-ids-$suite
    echo "root:1000000:65536" >"$ids"
    unshare --mount --propagation private bash -c \
        'mount --bind "$1" /etc/subuid && mount --bind "$1" /etc/subgid && shift && exec "$@"' \
        _ "$ids" "${run[@]}"
else
    echo "autopkgtest.sh: $user has no subordinate ids in /etc/subuid and /etc/subgid" >&2
    exit 1
fi
