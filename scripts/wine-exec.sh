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

# A prefix cut short (Ctrl-C, a killed run, its server ended) can hold a system.reg and no DLLs,
# and then no program ever starts in it. So a prefix counts as made only with the marker written
# once wineboot and its server have finished; one this script began and did not finish is made
# anew. The lock beside the prefix lets one script make it while the others (ctest's tests side by
# side) wait. A prefix made elsewhere is never deleted: it is used when whole, else refused.
whole="$WINEPREFIX/.calvo-whole" making="$WINEPREFIX/.calvo-making"
if [ ! -f "$whole" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  kernel32="$WINEPREFIX/drive_c/windows/system32/kernel32.dll"
  # Ours: begun here, or in a build folder (where prefixes cut short before the marker lie).
  if [ -f "$whole" ]; then :
  elif [ -e "$WINEPREFIX" ] && [ ! -f "$making" ] && [[ "$WINEPREFIX/" != "$windows_root/build/"* ]]; then
    [ -f "$kernel32" ] || { echo "wine-exec: $WINEPREFIX is not a whole Wine prefix, and was not made here; delete it or set another WINEPREFIX" >&2; exit 1; }
    touch "$whole"
  else
    # Wine's processes must not hold the lock (fd 9): the server outlives this script.
    "$wineserver" -k </dev/null >/dev/null 2>&1 9>&- || true  # what is left of a making cut short
    rm -rf "$WINEPREFIX" && mkdir -p "$WINEPREFIX" && touch "$making"
    # Ctrl-C makes wineboot fail: say what happened instead, and end by SIGINT as the caller does.
    trap 'echo "wine-exec: making the prefix $WINEPREFIX was interrupted; the next start makes it anew" >&2
      trap - INT; kill -INT $$' INT
    if "$wine" wineboot -i </dev/null >/dev/null 2>&1 9>&- && "$wineserver" -w 9>&- && [ -f "$kernel32" ]; then
      touch "$whole" && rm "$making"
    else
      echo "wine-exec: Wine could not make the prefix $WINEPREFIX" >&2
      exit 1
    fi
    trap - INT
  fi
  exec 9>&-
fi
"$wineserver" -p </dev/null >/dev/null 2>&1 || true
"$wine" cmd /c exit </dev/null >/dev/null 2>&1 || true
exec "$wine" "$@"
