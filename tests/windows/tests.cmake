# Windows-only tests, run under Wine through the cross-compiling emulator (scripts/wine-exec.sh).
# Tests that make windows need an X display: scripts/test-windows.sh provides a virtual one.
file(GLOB windows_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(windows_tests ${windows_test_sources} ${CMAKE_CURRENT_LIST_DIR}/test_pages.rc)
target_link_libraries(windows_tests PRIVATE framework shlwapi ${gtest_libs})
gtest_discover_tests(windows_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)

include(${CMAKE_CURRENT_LIST_DIR}/../e2e/e2e.cmake OPTIONAL)
