# Shared by the two Windows toolchain files, which set mingw_triplet, CMAKE_SYSTEM_PROCESSOR and
# wine_exec_options first. Debian's mingw-w64 with the posix thread model (GoogleTest needs
# std::mutex); programs run under Wine through scripts/wine-exec.sh.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static: nothing to ship beside the exe. The evaluator recurses up to its nesting limit,
# which needs far more than the default 2 MB stack. No time stamp in the headers, so that the
# same commit always links to the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT
  "-static -static-libgcc -static-libstdc++ -Wl,--stack,16777216 -Wl,--no-insert-timestamp")

# Release programs are shipped: no symbols or debug information (most of a static exe's size).
# Debug builds keep theirs.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec.sh ${wine_exec_options})
