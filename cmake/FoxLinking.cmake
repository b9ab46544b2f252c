# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The two ways of linking FOX, as interface targets:
#   FoxShared  Debian's libFOX-1.6.so, with the thirty-odd libraries it pulls
#              into every start (OpenGL, image codecs, ...), each one mapped
#              and relocated by the dynamic loader.
#   FoxStatic  Debian's libFOX-1.6.a, followed by every library the toolkit
#              may call. The linker takes only the toolkit objects a program
#              uses, and --as-needed keeps only the libraries those objects
#              call: X11, Xext, Xft, Xcursor and fontconfig for the calculator,
#              libpng as well for a program that writes PNG images. It has to
#              be the only FOX on the link line.
# Expects pkg_check_modules(FOX ... fox) to have run.
include_guard(GLOBAL)

add_library(FoxShared INTERFACE)
target_include_directories(FoxShared INTERFACE ${FOX_INCLUDE_DIRS})
target_link_libraries(FoxShared INTERFACE ${FOX_LINK_LIBRARIES})

find_library(FOX_STATIC_ARCHIVE NAMES libFOX-1.6.a HINTS ${FOX_LIBRARY_DIRS} REQUIRED)
# What pkg-config lists for a static link, less FOX itself.
set(FOX_CALLED_LIBRARIES ${FOX_STATIC_LIBRARIES})
list(REMOVE_ITEM FOX_CALLED_LIBRARIES FOX-1.6)
list(REMOVE_DUPLICATES FOX_CALLED_LIBRARIES)
add_library(FoxStatic INTERFACE)
target_include_directories(FoxStatic INTERFACE ${FOX_INCLUDE_DIRS})
target_link_libraries(FoxStatic INTERFACE ${FOX_STATIC_ARCHIVE} ${FOX_CALLED_LIBRARIES} m)
target_link_options(FoxStatic INTERFACE LINKER:--as-needed)
