# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The release is named once, by the newest entry of debian/changelog: the
# package, the program's build, its manual page and its AppStream metadata
# all take their version and release date from there.
#   VYX_RELEASE_VERSION  1.0.0
#   VYX_RELEASE_DATE     2026-12-07
include_guard(GLOBAL)

set(_changelog ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_changelog})
file(STRINGS ${_changelog} _heading LIMIT_COUNT 1)
if(NOT _heading MATCHES "^vyx-calculator \\(([0-9]+\\.[0-9]+\\.[0-9]+)\\) ")
    message(FATAL_ERROR "debian/changelog does not start with 'vyx-calculator (X.Y.Z)': ${_heading}")
endif()
set(VYX_RELEASE_VERSION ${CMAKE_MATCH_1})

# The first trailer line is the newest entry's: " -- NAME <ADDRESS>  DAY, DD MON YYYY ...".
file(STRINGS ${_changelog} _trailer REGEX "^ -- .*>  " LIMIT_COUNT 1)
if(NOT _trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "the newest debian/changelog entry has no date: ${_trailer}")
endif()
set(_day ${CMAKE_MATCH_1})
set(_month_name ${CMAKE_MATCH_2})
set(_year ${CMAKE_MATCH_3})
string(REGEX REPLACE "^0" "" _day ${_day})
set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND _months ${_month_name} _month)
if(_month LESS 0)
    message(FATAL_ERROR "unknown month in debian/changelog: ${_trailer}")
endif()
math(EXPR _month "${_month} + 1")
foreach(_part _day _month)
    if(${_part} LESS 10)
        set(${_part} 0${${_part}})
    endif()
endforeach()
set(VYX_RELEASE_DATE ${_year}-${_month}-${_day})
