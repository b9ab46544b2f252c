# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# add_window_tests(NAME SOURCE... [LOCK RESOURCE] [SERIAL]): a GoogleTest
# program that drives the real window in-process on the test display, with the
# shared window harness. Tests that share one resource of the display, such as
# its clipboard, name it as LOCK so that they never run at the same time. Tests
# that read back what the screen shows are SERIAL: another test's window on
# the same display may lie over theirs.
function(add_window_tests name)
    cmake_parse_arguments(WINDOW_TESTS "SERIAL" "LOCK" "" ${ARGN})
    add_executable(${name} ${WINDOW_TESTS_UNPARSED_ARGUMENTS}
                   ${PROJECT_SOURCE_DIR}/tests/support/WindowHarness.cpp)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_link_libraries(${name} PRIVATE window GTest::gtest)
    set(properties TIMEOUT 60)
    if(WINDOW_TESTS_SERIAL)
        list(APPEND properties RUN_SERIAL TRUE)
    endif()
    if(WINDOW_TESTS_LOCK)
        list(APPEND properties RESOURCE_LOCK ${WINDOW_TESTS_LOCK})
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES ${properties})
endfunction()
