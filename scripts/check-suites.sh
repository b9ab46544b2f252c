#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as Debian's build daemons do, once per suite: in a
# minimal clean system of that suite holding only the build-essential set and
# the package's build dependencies, as an unprivileged user with no home, with
# the build-time tests. Then that suite's lintian judges the source and binary
# packages, and the package's autopkgtest runs in a throwaway system of the
# same suite. One line per suite tells the outcome; the status is non-zero if
# any suite falls short.
#
# Each clean system is made by mmdebstrap from this machine's own Debian apt
# sources (scripts/suite-sources.py) and kept as a tarball in build-suites/,
# named after the build dependencies, so it is made again when they change.
# The system is made and the build runs in new mount namespaces, so whatever
# they mount goes with them; nothing is installed on this machine but the
# tools below.
# Usage: scripts/check-suites.sh [SUITE...]   (default: bookworm trixie sid)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
bash "$root/scripts/install-deps.sh" "${SUITES_PACKAGES[@]}"
[ $# -gt 0 ] || set -- bookworm trixie sid
arch=$(dpkg --print-architecture)
work=$root/build-suites
mkdir -p "$work"

# A frozen copy of a rolling suite may be served past its Release file's
# Valid-Until date; the date says nothing about the packages' integrity,
# which the archive's signature still guards.
aptopt='Acquire::Check-Valid-Until "false";'

# The clean build system of a suite, made when missing: prints its path.
build_system() { # suite
    local suite=$1 sources key tarball
    set -e
    sources=$work/$suite.list
    python3 "$root/scripts/suite-sources.py" "$suite" >"$sources"
    key=$( (sed -n '/^Build-Depends/,/^[A-Z][a-zA-Z-]*:/p' "$root/debian/control"
        cat "$sources") | sha256sum | cut -c1-12)
    tarball=$work/$suite-$arch-$key.tar
    if [ ! -f "$tarball" ]; then
        rm -f "$work/$suite-$arch"-*.tar
        # apt resolves the build dependencies from debian/control itself, as
        # the build daemons do; the lists stay, so that lintian can be added
        # after the build without fetching them again.
        # mmdebstrap mounts into the system it makes: in a mount namespace of
        # its own, so that even an interrupted run leaves nothing mounted.
        unshare --mount --propagation private \
            mmdebstrap --quiet --variant=buildd --skip=cleanup/apt/lists --aptopt="$aptopt" \
            --customize-hook='mkdir -p "$1/tmp/source/debian"' \
            --customize-hook="copy-in $root/debian/control /tmp/source/debian" \
            --customize-hook='chroot "$1" apt-get build-dep -y -qq --no-install-recommends /tmp/source' \
            --customize-hook='rm -rf "$1/tmp/source"' \
            --customize-hook='chroot "$1" useradd --no-create-home --home-dir /nonexistent builder' \
            "$suite" "$tarball.partial.tar" "$sources" >"$work/$suite-system.log" 2>&1 ||
            { tail -n 20 "$work/$suite-system.log" >&2; return 1; }
        mv "$tarball.partial.tar" "$tarball"
    fi
    echo "$tarball"
}

# Runs inside new namespaces: mounts what a build needs into the system at $1,
# builds there as the unprivileged user, then runs the suite's lintian.
build_inside() { # system
    local sys=$1
    mount -t proc proc "$sys/proc"
    mount --rbind /dev "$sys/dev"
    mount -t sysfs sysfs "$sys/sys"
    mount -t tmpfs tmpfs "$sys/tmp"
    chmod 1777 "$sys/tmp"
    cp /etc/resolv.conf "$sys/etc/resolv.conf"
    local status=0
    # The build daemons build in parallel, as many jobs as processors.
    chroot "$sys" runuser -u builder -- env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/nonexistent \
        LANG=C.UTF-8 DEB_BUILD_OPTIONS="parallel=$(nproc)" bash -c 'cd /build/vyx-calculator && dpkg-buildpackage -us -uc' \
        >"$sys/../build.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || return "$status"
    chroot "$sys" apt-get install -y -q --no-install-recommends lintian >"$sys/../lintian-install.log" 2>&1
    chroot "$sys" runuser -u builder -- env -i PATH=/usr/bin:/bin HOME=/nonexistent LANG=C.UTF-8 \
        bash -c 'lintian --pedantic --display-info --fail-on none /build/vyx-calculator_*.changes' \
        >"$sys/../lintian.log" 2>&1 || echo "lintian did not run to its end" >>"$sys/../lintian.log"
}

check_suite() { # suite
    local suite=$1 dir=$work/$1 tarball sys built=no tests="-" lintian="-" autopkgtest="-"
    rm -rf "$dir"
    mkdir -p "$dir/out"
    bash "$root/scripts/copy-sources.sh" "$dir/source/vyx-calculator"
    tarball=$(build_system "$suite") || { echo "$suite: no clean system could be made"; return 1; }
    sys=$dir/system
    mkdir -p "$sys"
    tar -xf "$tarball" -C "$sys"
    mkdir -p "$sys/build"
    cp -a "$dir/source/vyx-calculator" "$sys/build/"
    chroot "$sys" chown -R builder: /build
    if unshare --mount --propagation private --pid --fork bash -c \
        "$(declare -f build_inside); build_inside \"\$1\"" _ "$sys"; then
        built=yes
    fi
    # CTest's summary: "100% tests passed, 0 tests failed out of 114".
    tests=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1 \2/p' "$dir/build.log" |
        tail -n 1 | awk '{ print $2 - $1 "/" $2 }')
    if [ "$built" = yes ]; then
        cp "$sys"/build/vyx-calculator_* "$dir/out/"
        # Any line but a tag's (lintian failing to run, say) counts as an error.
        lintian=$( (bash "$root/tests/packaging/check-lintian.sh" "$dir/source/vyx-calculator" "$dir/lintian.log" || true) |
            awk '/^[WIPX]: / { n[substr($0, 1, 1)]++; next } /./ { n["E"]++ } END {
                printf "E%d W%d I%d P%d X%d", n["E"], n["W"], n["I"], n["P"], n["X"] }')
        autopkgtest=failed
        if SUITE=$suite bash "$root/scripts/autopkgtest.sh" "$dir/source/vyx-calculator" \
            "$dir"/out/vyx-calculator_*_"$arch".deb >"$dir/autopkgtest.log" 2>&1; then
            autopkgtest=passed
        fi
    fi
    rm -rf "$sys"
    printf '%-9s built: %-3s  tests passed: %-7s  lintian: %s  autopkgtest: %s\n' \
        "$suite" "$built" "${tests:--}" "$lintian" "$autopkgtest"
    [ "$built" = yes ] && [ "$lintian" = "E0 W0 I0 P0 X0" ] && [ "$autopkgtest" = passed ] || {
        echo "  logs: $dir/build.log $dir/lintian.log $dir/autopkgtest.log"
        return 1
    }
}

status=0
for suite in "$@"; do
    check_suite "$suite" || status=1
done
exit "$status"
