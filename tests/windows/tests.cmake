# Windows-only tests, run under Wine through the cross-compiling emulator (scripts/wine-exec.sh).
# Tests that make windows need an X display: scripts/test-windows.sh provides a virtual one.
file(GLOB windows_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(windows_tests ${windows_test_sources} ${CMAKE_CURRENT_LIST_DIR}/test_pages.rc)
target_link_libraries(windows_tests PRIVATE framework shlwapi ${gtest_libs})
# Their windows share the display with the end-to-end runs: one at a time, so none takes the
# keyboard focus from a scenario.
gtest_discover_tests(windows_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
  PROPERTIES RESOURCE_LOCK tuv_desktop)


# The program's own classes and resources, tested in-process: tuv.exe's sources and tuv.rc
# without its WinMain.
file(GLOB tuv_app_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/app/*.cpp)
add_executable(tuv_app_tests ${tuv_app_test_sources} ${tuv_sources} ${CMAKE_SOURCE_DIR}/resources/tuv.rc)
target_include_directories(tuv_app_tests PRIVATE
  ${CMAKE_SOURCE_DIR}/app ${CMAKE_SOURCE_DIR}/controls ${CMAKE_SOURCE_DIR}/tray ${CMAKE_SOURCE_DIR}/resources)
target_link_libraries(tuv_app_tests PRIVATE framework engine shlwapi ${gtest_libs})
target_compile_definitions(tuv_app_tests PRIVATE HELP_TEXT_SOURCE="${CMAKE_SOURCE_DIR}/resources/tuv.txt")
gtest_discover_tests(tuv_app_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
  PROPERTIES RESOURCE_LOCK tuv_desktop)


# The shipped programs: PE32 (PE32+ in the 64-bit twin), right subsystem, big stack, no DLL of
# ours or of the toolchain. They need no Wine: label "product".
math(EXPR image_bits "8 * ${CMAKE_SIZEOF_VOID_P}")
foreach(program tuv:gui tuv-eval:console)
  string(REPLACE ":" ";" program ${program})
  list(GET program 0 target)
  list(GET program 1 kind)
  add_test(NAME image.${target} COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check-program-image.sh
    ${CMAKE_OBJDUMP} $<TARGET_FILE:${target}> ${kind} ${image_bits})
  set_tests_properties(image.${target} PROPERTIES LABELS product)
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/../e2e/e2e.cmake OPTIONAL)

# The release package (32-bit), built twice in folders of its own: alone, since it takes both cores.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_test(NAME package.reproducible COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/package_test.sh
    ${CMAKE_OBJDUMP} "${CALVO_NATIVE_TUV_EVAL}")
  set_tests_properties(package.reproducible PROPERTIES LABELS product RUN_SERIAL TRUE TIMEOUT 900)
endif()
