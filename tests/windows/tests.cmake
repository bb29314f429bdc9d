# The framework and the program's classes in-process under Wine: tuv.exe's sources and tuv.rc
# without its WinMain. Their windows need the virtual display scripts/test-windows.sh provides,
# and share it with the end-to-end runs: one at a time, so none takes the keyboard focus from a
# scenario.
file(GLOB windows_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(windows_tests ${windows_test_sources} ${tuv_sources} ${CMAKE_SOURCE_DIR}/resources/tuv.rc)
# The tables of tests/windows/data are read with the engine tests' reader.
target_include_directories(windows_tests PRIVATE $<TARGET_PROPERTY:tuv,INCLUDE_DIRECTORIES> ${CMAKE_CURRENT_LIST_DIR}/../engine)
target_link_libraries(windows_tests PRIVATE framework engine shlwapi ${gtest_libs})
# The program's classes run as in the program: UTF-8 texts, the common controls 6, the real DPI.
calvo_manifest(windows_tests "Calvo's classes under test" COMMON_CONTROLS)
# tuv.rc's own dependencies (help text, icon, version) are set where tuv is; they must hold here too.
get_property(rc_depends SOURCE ${CMAKE_SOURCE_DIR}/resources/tuv.rc DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY OBJECT_DEPENDS)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/resources/tuv.rc APPEND PROPERTY OBJECT_DEPENDS ${rc_depends})
target_compile_definitions(windows_tests PRIVATE HELP_TEXT_SOURCE="${CMAKE_SOURCE_DIR}/resources/tuv.txt"
  TABLES="${CMAKE_CURRENT_LIST_DIR}/data/")
gtest_discover_tests(windows_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
  PROPERTIES RESOURCE_LOCK tuv_desktop)

# The shipped programs: PE32 (PE32+ in the 64-bit twin), right subsystem, big stack, no DLL of
# ours or of the toolchain. They need no Wine: label "product".
math(EXPR bits "8 * ${CMAKE_SIZEOF_VOID_P}")
set(check_image bash ${CMAKE_CURRENT_LIST_DIR}/check-program-image.sh ${CMAKE_OBJDUMP})
add_test(NAME image.tuv COMMAND ${check_image} $<TARGET_FILE:tuv> gui ${bits})
add_test(NAME image.tuv-eval COMMAND ${check_image} $<TARGET_FILE:tuv-eval> console ${bits})
set_tests_properties(image.tuv image.tuv-eval PROPERTIES LABELS product)

include(${CMAKE_CURRENT_LIST_DIR}/../e2e/e2e.cmake OPTIONAL)

# A prefix whose making was cut short is made anew (scripts/wine-exec.sh). The test makes its own
# prefix twice, with no window. Label "scripts": no fault of the program can touch it.
add_test(NAME WinePrefix.CutShortIsMadeAnew COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine_prefix_test.sh
  $<TARGET_FILE:tuv-eval> ${CMAKE_CROSSCOMPILING_EMULATOR})
set_tests_properties(WinePrefix.CutShortIsMadeAnew PROPERTIES TIMEOUT 300 LABELS scripts)

# The release package (32-bit), built twice in folders of its own: alone, since it takes both cores.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_test(NAME package.reproducible COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/package_test.sh
    ${CMAKE_OBJDUMP} "${CALVO_NATIVE_TUV_EVAL}")
  set_tests_properties(package.reproducible PROPERTIES LABELS product RUN_SERIAL TRUE TIMEOUT 900)
endif()
