# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for Debian's i386 (baseline i686, x87 arithmetic) with Debian's
# cross compiler; the tests run under qemu-user. Used by scripts/cross-check.sh.
set(VYX_CROSS_TRIPLET i686-linux-gnu)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(VYX_CROSS_QEMU qemu-i386)
include(${CMAKE_CURRENT_LIST_DIR}/CrossCommon.cmake)
