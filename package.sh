#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the calculator (installing what is missing) and makes its Debian
# package, ready for: sudo apt-get install ./build-package/vyx-calculator_*.deb
# The folder is its own, as a release build without the tests.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

[ -f build-package/CMakeCache.txt ] ||
    cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DVYX_TESTS=OFF >/dev/null
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB)
