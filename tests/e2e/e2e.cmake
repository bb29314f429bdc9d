# End-to-end scenarios: the driver tuv_e2e.exe starts the real tuv.exe under Wine and checks what
# a user would see and do. One scenario per file in scenarios/, named like its file; adding a
# file adds a test "e2e.<name>".
file(GLOB e2e_driver_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/driver/*.cpp)
file(GLOB e2e_scenario_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/scenarios/*.cpp)
add_executable(tuv_e2e ${e2e_driver_sources} ${e2e_scenario_sources})
target_include_directories(tuv_e2e PRIVATE ${CMAKE_CURRENT_LIST_DIR}/driver ${CMAKE_SOURCE_DIR}/resources)
target_compile_definitions(tuv_e2e PRIVATE ${windows_defines})
target_link_libraries(tuv_e2e PRIVATE comctl32 user32 advapi32 shlwapi)
add_dependencies(tuv_e2e tuv)

foreach(scenario_file ${e2e_scenario_sources})
  get_filename_component(scenario ${scenario_file} NAME_WE)
  add_test(NAME e2e.${scenario} COMMAND tuv_e2e ${scenario} $<TARGET_FILE:tuv>)
  # One tuv.exe at a time: the scenarios share the settings key and the keyboard focus.
  set_tests_properties(e2e.${scenario} PROPERTIES RESOURCE_LOCK tuv_desktop TIMEOUT 120)
endforeach()
