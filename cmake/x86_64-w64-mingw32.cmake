# The 64-bit twin of the Windows build (PE32+), for machines that cannot run 32-bit programs:
# the same sources and tests, run by wine64.
set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(wine_exec_options --wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
