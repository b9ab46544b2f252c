# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the cross toolchain files share. Debian's cross compilers carry their
# own C and C++ runtime under /usr/<triplet>, which is also where qemu-user
# finds the target's dynamic loader and libraries.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${VYX_CROSS_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${VYX_CROSS_TRIPLET}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VYX_CROSS_QEMU} -L /usr/${VYX_CROSS_TRIPLET})
# pkg-config must see only the target's FOX, never the machine's own; the
# caller points PKG_CONFIG_LIBDIR at it.
set(ENV{PKG_CONFIG_PATH} "")
