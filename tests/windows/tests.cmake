# Windows-only tests, run under Wine through the cross-compiling emulator (scripts/wine-exec.sh).
# Tests that make windows need an X display: scripts/test-windows.sh provides a virtual one.
file(GLOB windows_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(windows_tests ${windows_test_sources} ${CMAKE_CURRENT_LIST_DIR}/test_pages.rc)
target_link_libraries(windows_tests PRIVATE framework shlwapi ${gtest_libs})
gtest_discover_tests(windows_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)


# The program's own classes and resources, tested in-process: tuv.exe's sources and tuv.rc
# without its WinMain.
file(GLOB tuv_app_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/app/*.cpp)
add_executable(tuv_app_tests ${tuv_app_test_sources} ${tuv_sources} ${CMAKE_SOURCE_DIR}/resources/tuv.rc)
target_include_directories(tuv_app_tests PRIVATE
  ${CMAKE_SOURCE_DIR}/app ${CMAKE_SOURCE_DIR}/controls ${CMAKE_SOURCE_DIR}/tray ${CMAKE_SOURCE_DIR}/resources)
target_link_libraries(tuv_app_tests PRIVATE framework engine shlwapi version ${gtest_libs})
gtest_discover_tests(tuv_app_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)

include(${CMAKE_CURRENT_LIST_DIR}/../e2e/e2e.cmake OPTIONAL)
