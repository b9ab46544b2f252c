# The two ways of linking FOX, as interface targets:
#   FoxShared  Debian's libFOX-1.6.so, with the thirty-odd libraries it pulls
#              in (OpenGL, image codecs, ...) that the dynamic loader maps and
#              relocates at every start.
#   FoxStatic  Debian's libFOX-1.6.a: the linker takes only the objects a
#              program uses, and those call into X11, Xext, Xft, Xcursor and
#              fontconfig only; --as-needed drops any other library a
#              dependency names. It has to be the only FOX on the link line.
# Expects pkg_check_modules(FOX ... fox) to have run.
include_guard(GLOBAL)

add_library(FoxShared INTERFACE)
target_include_directories(FoxShared INTERFACE ${FOX_INCLUDE_DIRS})
target_link_libraries(FoxShared INTERFACE ${FOX_LINK_LIBRARIES})

find_library(FOX_STATIC_ARCHIVE NAMES libFOX-1.6.a HINTS ${FOX_LIBRARY_DIRS} REQUIRED)
pkg_check_modules(FOX_X_LIBRARIES REQUIRED IMPORTED_TARGET x11 xext xft xcursor fontconfig)
add_library(FoxStatic INTERFACE)
target_include_directories(FoxStatic INTERFACE ${FOX_INCLUDE_DIRS})
target_link_libraries(FoxStatic INTERFACE ${FOX_STATIC_ARCHIVE} PkgConfig::FOX_X_LIBRARIES m)
target_link_options(FoxStatic INTERFACE LINKER:--as-needed)
