# add_window_tests(NAME SOURCE...): a GoogleTest program that drives the real
# window in-process on the test display, with the shared window harness.
function(add_window_tests name)
    add_executable(${name} ${ARGN} ${PROJECT_SOURCE_DIR}/tests/support/WindowHarness.cpp)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_link_libraries(${name} PRIVATE window GTest::gtest)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES TIMEOUT 60)
endfunction()
