#!/usr/bin/env bash
# Runs a Windows program under Wine: the emulator of the Windows builds' tests.
#   wine-exec.sh [--wine64] PROGRAM [ARGUMENTS...]     (--wine64: the 64-bit build, under wine64)
# The prefix is $WINEPREFIX, or else <build dir>/wineprefix for the build that holds the program.
# wineserver and the first wine process are started with their output on /dev/null: otherwise
# they inherit the caller's pipes and CTest waits for them after every test.
set -euo pipefail
source "$(dirname "$0")/windows-target.sh"
bits=32
if [ "${1:-}" = --wine64 ]; then bits=64; shift; fi
use_wine "$bits"
export WINEDEBUG=${WINEDEBUG:--all}
if [ -z "${WINEPREFIX:-}" ]; then
  dir=$(cd "$(dirname "$1")" && pwd)
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ -f "$dir/CMakeCache.txt" ] || { echo "wine-exec: no build folder above $1; set WINEPREFIX" >&2; exit 2; }
  export WINEPREFIX="$dir/wineprefix"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$wine" wineboot -i </dev/null >/dev/null 2>&1 || true
fi
"$wineserver" -p </dev/null >/dev/null 2>&1 || true
"$wine" cmd /c exit </dev/null >/dev/null 2>&1 || true
exec "$wine" "$@"
