# End-to-end scenarios: tuv_e2e.exe starts the real tuv.exe under Wine and acts as a user would.
# tuv_recorder.exe stands in for the browser and the text viewer.
# The installer's scenario installs packages of this build's programs: this version, and 0.9.
set(packages ${CMAKE_CURRENT_BINARY_DIR}/packages)
set(make_msi python3 ${CMAKE_SOURCE_DIR}/scripts/make_package.py --msi ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR}/resources/package-readme.txt)
add_custom_command(OUTPUT ${packages}/calvo.msi ${packages}/calvo-0.9.msi
  COMMAND ${make_msi} ${packages}/calvo.msi COMMAND ${make_msi} ${packages}/calvo-0.9.msi 0.9
  DEPENDS tuv tuv-eval ${CMAKE_SOURCE_DIR}/packaging/calvo.wxs ${CMAKE_SOURCE_DIR}/scripts/make_package.py ${CMAKE_SOURCE_DIR}/resources/package-readme.txt)
add_custom_target(tuv_packages DEPENDS ${packages}/calvo.msi ${packages}/calvo-0.9.msi)
add_executable(tuv_recorder WIN32 ${CMAKE_CURRENT_LIST_DIR}/recorder.cpp)
add_executable(tuv_e2e ${CMAKE_CURRENT_LIST_DIR}/scenarios.cpp ${CMAKE_CURRENT_LIST_DIR}/tuv_user.cpp)
target_include_directories(tuv_e2e PRIVATE ${CMAKE_SOURCE_DIR}/resources ${CMAKE_CURRENT_LIST_DIR}/../windows)
target_compile_definitions(tuv_e2e PRIVATE _WIN32_WINNT=0x0600 NOMINMAX "TUV_EXE=\"$<TARGET_FILE:tuv>\""
  "TUV_RECORDER=\"$<TARGET_FILE:tuv_recorder>\"" "TUV_MSI=\"${packages}/calvo.msi\"" "TUV_OLDER_MSI=\"${packages}/calvo-0.9.msi\"")
target_link_libraries(tuv_e2e PRIVATE ${gtest_libs} ole32 uuid msi)
# Their texts are UTF-8 as the program's are, so that names in any script pass between them.
calvo_manifest(tuv_e2e "Calvo's end-to-end scenarios")
calvo_manifest(tuv_recorder "Calvo's end-to-end scenarios: the stand-in viewer")
add_dependencies(tuv_e2e tuv tuv_recorder tuv_packages)
# One window-making test at a time: a scenario needs the keyboard focus and the pointer. The
# installer's scenario is one of the product's checks.
gtest_discover_tests(tuv_e2e TEST_PREFIX e2e. DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 TEST_FILTER -TuvPackage.*
  PROPERTIES RESOURCE_LOCK tuv_desktop TIMEOUT 120)
gtest_discover_tests(tuv_e2e TEST_PREFIX e2e. DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 TEST_FILTER TuvPackage.*
  PROPERTIES RESOURCE_LOCK tuv_desktop TIMEOUT 300 LABELS product)
