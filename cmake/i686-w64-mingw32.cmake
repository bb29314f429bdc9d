# Cross build of the product: 32-bit Windows programs (PE32), run by 32-bit Wine.
set(mingw_triplet i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(wine_exec_options "")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
