#!/usr/bin/env bash
# Builds the Windows programs and tests with mingw-w64 (build/windows) and runs every test of that
# build under Wine on a private virtual display: the engine's tests, the framework's and settings
# store's tests, and the end-to-end scenarios that drive the real tuv.exe.
#   scripts/test-windows.sh [ctest arguments...]     e.g. -R e2e
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/windows"

bash "$root/scripts/setup.sh" windows
jobs=$(nproc)
# With the native tuv-eval at hand (scripts/test builds it first), the two builds are compared.
native_tuv_eval="$root/build/native/cli/tuv-eval"
[ -x "$native_tuv_eval" ] || native_tuv_eval=""
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/i686-w64-mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCALVO_NATIVE_TUV_EVAL="$native_tuv_eval" >/dev/null
cmake --build "$build" -j "$jobs"

export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all
source "$root/scripts/virtual-display.sh"
finish() {
  wineserver -k >/dev/null 2>&1 || true
  stop_virtual_display
}
trap finish EXIT
start_virtual_display
# Make the prefix (and start its wineserver) once, before tests start side by side. A program
# that crashes must fail its test at once, not wait behind Wine's crash dialog.
"$root/scripts/wine-exec.sh" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
  >/dev/null

ctest --test-dir "$build" -j "$jobs" --output-on-failure "$@"
