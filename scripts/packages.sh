# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages of each use, sourced by run.sh and test.sh.
# The build folder is configured with its tests, so their libraries come too.
BUILD_PACKAGES=(build-essential cmake pkgconf libfox-1.6-dev libsystemd-dev libgtest-dev python3)
RUN_PACKAGES=(xvfb xauth)
# clang's own runtime (libFuzzer, the sanitizers) is packaged per clang
# version: test.sh adds the one that matches the installed clang.
TEST_PACKAGES=(clang valgrind xvfb xauth xdotool xclip x11-utils imagemagick)
# Making the Debian package; package.sh installs the build dependencies that
# debian/control names.
PACKAGE_PACKAGES=(dpkg-dev debhelper)
# The checks of the install and the package: the desktop's and Debian's own
# validators, the AppStream compose that software centres' catalogues come
# from, and what making the package needs.
# libjxl-tools reads the JPEG XL icons that newer composes cache.
TEST_PACKAGES+=(desktop-file-utils appstream appstream-compose libxml2-utils man-db groff-base libjxl-tools
    "${PACKAGE_PACKAGES[@]}")
# The benchmark's probe watches repaints through DAMAGE and types through XTEST.
BUILD_PACKAGES+=(libxdamage-dev libxtst-dev)
BENCH_PACKAGES=(xvfb xauth)
# Every file carries its licence: the REUSE checker proves it.
TEST_PACKAGES+=(reuse)
# The desktop's font resolution is set on a test server as desktops set it: xrdb.
TEST_PACKAGES+=(x11-xserver-utils)
# The window's fonts resolve to these faces; its reference picture holds them.
TEST_PACKAGES+=(fonts-dejavu-core)
# A desktop's clipboard manager takes the copy at quit: Xfce's settings daemon,
# in a D-Bus session of its own (dbus-run-session).
TEST_PACKAGES+=(xfce4-settings dbus-daemon)
BENCH_PACKAGES+=(xfce4-settings dbus-daemon)
# The accessibility bus and what reads it: at-spi2-core's bus and registry in
# the tests' own D-Bus session, its client library from Debian's Python, and
# Debian's screen reader, Orca; gdbus sets the session's accessibility status.
TEST_PACKAGES+=(at-spi2-core python3-gi gir1.2-atspi-2.0 orca libglib2.0-bin)
BENCH_PACKAGES+=(at-spi2-core libglib2.0-bin)
# Copy and paste under a real Wayland compositor: headless sway, its Xwayland,
# and wl-clipboard as the native Wayland programs.
TEST_PACKAGES+=(sway xwayland wl-clipboard)
# The package's own checks: Debian's linter and hardening check, and its
# installed-package test in a throwaway system (scripts/autopkgtest.sh).
AUTOPKGTEST_PACKAGES=(autopkgtest mmdebstrap uidmap)
TEST_PACKAGES+=(lintian devscripts "${AUTOPKGTEST_PACKAGES[@]}")
# The package built in clean systems of other Debian suites
# (scripts/check-suites.sh).
SUITES_PACKAGES=(mmdebstrap "${AUTOPKGTEST_PACKAGES[@]}" dpkg-dev python3)
