# End-to-end scenarios: tuv_e2e.exe starts the real tuv.exe under Wine and acts as a user would.
# tuv_recorder.exe stands in for the browser and the text viewer.
add_executable(tuv_recorder WIN32 ${CMAKE_CURRENT_LIST_DIR}/recorder.cpp)
add_executable(tuv_e2e ${CMAKE_CURRENT_LIST_DIR}/scenarios.cpp ${CMAKE_CURRENT_LIST_DIR}/tuv_user.cpp)
target_include_directories(tuv_e2e PRIVATE ${CMAKE_SOURCE_DIR}/resources ${CMAKE_CURRENT_LIST_DIR}/../windows)
target_compile_definitions(tuv_e2e PRIVATE _WIN32_WINNT=0x0600 NOMINMAX "TUV_EXE=\"$<TARGET_FILE:tuv>\""
  "TUV_RECORDER=\"$<TARGET_FILE:tuv_recorder>\"")
target_link_libraries(tuv_e2e PRIVATE ${gtest_libs} ole32 uuid)
# Their texts are UTF-8 as the program's are, so that names in any script pass between them.
calvo_manifest(tuv_e2e "Calvo's end-to-end scenarios")
calvo_manifest(tuv_recorder "Calvo's end-to-end scenarios: the stand-in viewer")
add_dependencies(tuv_e2e tuv tuv_recorder)
# One window-making test at a time: a scenario needs the keyboard focus and the pointer.
gtest_discover_tests(tuv_e2e TEST_PREFIX e2e. DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
  PROPERTIES RESOURCE_LOCK tuv_desktop TIMEOUT 120)
