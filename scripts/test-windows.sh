#!/usr/bin/env bash
# Builds the Windows programs and tests with mingw-w64 and runs every test of that build under
# Wine on a private virtual display: the engine's tests, the framework's and settings store's
# tests, the program's classes, the end-to-end scenarios that drive the real tuv.exe, and the
# comparison with the native tuv-eval.
#   scripts/test-windows.sh [--no-product] [ctest arguments...]     e.g. -R e2e
# The product is the 32-bit build (build/windows), built here on every machine with its image and
# package checks (--no-product: where the 64-bit twin is tested, the product is neither built nor
# checked; for runs that judge no product, as the mutants' replay, which also leaves out the label).
# The suite runs on the 32-bit build where this machine runs 32-bit programs, and otherwise on the
# 64-bit twin (build/windows64) under wine64: scripts/windows-target.sh decides.
set -euo pipefail
root=$(cd "$(dirname "$0")" && cd .. && pwd)
product_too=true
[ "${1:-}" != --no-product ] || { product_too=false; shift; }

bash "$root/scripts/setup.sh" windows
source "$root/scripts/windows-target.sh"
choose_windows_target
echo "Windows tests: the $windows_bits-bit build (${windows_build#"$root"/}), because $windows_why."

jobs=$(nproc)
# With the native tuv-eval at hand (scripts/test builds it first), the builds are compared.
native_tuv_eval="$root/build/native/cli/tuv-eval"
[ -x "$native_tuv_eval" ] || native_tuv_eval=""
configure() {  # configure BUILD_DIR TOOLCHAIN
  cmake -S "$root" -B "$1" -DCMAKE_TOOLCHAIN_FILE="$2" -DCMAKE_BUILD_TYPE=Release \
    -DCALVO_NATIVE_TUV_EVAL="$native_tuv_eval" >/dev/null
}

product="$root/build/windows"
configure "$product" "$root/cmake/i686-w64-mingw32.cmake"
if [ "$windows_bits" = 32 ]; then
  cmake --build "$product" -j "$jobs"
else
  if [ "$product_too" = true ]; then
    # The product's checks need no Wine: its programs, their images and the package.
    cmake --build "$product" -j "$jobs" --target tuv tuv-eval
    ctest --test-dir "$product" -L product --no-tests=error --output-on-failure
  fi
  configure "$windows_build" "$windows_toolchain"
  cmake --build "$windows_build" -j "$jobs"
fi

export WINEPREFIX="$windows_build/wineprefix" WINEDEBUG=-all
use_wine "$windows_bits"
source "$root/scripts/virtual-display.sh"
finish() {
  # Not while wine-exec.sh still makes the prefix (it holds this lock): ended part-way, it would
  # have to be made again.
  flock "$WINEPREFIX.lock" "$wineserver" -k >/dev/null 2>&1 || true
  stop_virtual_display
}
trap finish EXIT
start_virtual_display
# Make the prefix (and start its wineserver) once, before tests start side by side. A program
# that crashes must fail its test at once, not wait behind Wine's crash dialog.
if ! "$root/scripts/wine-exec.sh" $wine_exec_option reg add 'HKCU\Software\Wine\WineDbg' \
    /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null; then
  echo "Wine could not be set up for the $windows_bits-bit build (prefix $WINEPREFIX)" >&2
  exit 1
fi

ctest --test-dir "$windows_build" -j "$jobs" --no-tests=error --output-on-failure "$@"
