# The window benchmark (scripts/bench-window): a driver that times the real tuv.exe under Wine with
# long texts, with the end-to-end scenarios' helpers. Built only when asked for.
add_executable(tuv_window_bench EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/window_bench.cpp
  ${CMAKE_SOURCE_DIR}/tests/e2e/tuv_user.cpp)
target_include_directories(tuv_window_bench PRIVATE ${CMAKE_SOURCE_DIR}/resources ${CMAKE_SOURCE_DIR}/tests/e2e)
target_compile_definitions(tuv_window_bench PRIVATE _WIN32_WINNT=0x0600 NOMINMAX "TUV_EXE=\"$<TARGET_FILE:tuv>\"")
calvo_manifest(tuv_window_bench "Calvo's window benchmark")
add_dependencies(tuv_window_bench tuv)
