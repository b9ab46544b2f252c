# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the program again needs a shared library that its start-up was
# freed from: the shared FOX (and what only it brings: OpenGL, image codecs)
# or the shared C++ runtime. Each of them costs every start milliseconds and
# resident memory, and none of them would break anything visible if it
# crept back through a changed link line.
#   cmake -DPROGRAM=path -DREADELF=path -P ProgramLibraries.cmake
execute_process(COMMAND ${READELF} --dynamic ${PROGRAM} OUTPUT_VARIABLE dynamic
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot read the dynamic section of ${PROGRAM}")
endif()
string(REGEX MATCHALL "\\(NEEDED\\)[^[]*\\[[^]]*\\]" needed "${dynamic}")
if(NOT needed MATCHES "libc\\.so")
    message(FATAL_ERROR "no NEEDED entries read from ${PROGRAM}:\n${dynamic}")
endif()
foreach(library libFOX libstdc++ libgcc_s libGL libjpeg libpng libtiff)
    string(REPLACE "+" "\\+" pattern "${library}")
    if(needed MATCHES "\\[${pattern}")
        message(FATAL_ERROR "${PROGRAM} needs ${library} again:\n${needed}")
    endif()
endforeach()
