# Sourced by the scripts that build or run the Windows programs. Which Windows build this machine
# can run is found by trying, not guessed from the package list or the kernel's name: some kernels
# have 32-bit emulation switched off, and there every i386 Linux program, Debian's wine32 included,
# fails with "Exec format error".
#   choose_windows_target [PROBE]   sets windows_bits (32 or 64), windows_build (the build folder),
#                                   windows_toolchain, wine_exec_option and windows_why (one line)
#   use_wine BITS                   sets wine and wineserver to the commands for that build
# CALVO_WINDOWS_BITS=32|64 overrides the choice, to try the other build on purpose.

windows_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
windows_root=$(dirname "$windows_scripts")

# A complete i386 Linux program of 96 bytes that only exits with status 42: one ELF header, one
# loadable segment, and mov eax,1 / mov ebx,42 / int 0x80. MACHINE (two escaped bytes) replaces
# the i386 machine number, so that a test can make a program this machine cannot run.
write_32bit_probe() {
  local file=$1 machine=${2:-'\x03\x00'}
  {
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00'"$machine"
    printf '\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'
    printf '\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'
    printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'
    printf '\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'
    printf '\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80'
  } >"$file"
  chmod +x "$file"
}

# Runs PROBE (default: a fresh i386 probe in the build tree, since /tmp may forbid execution).
# Succeeds when it ran and exited 42; otherwise probe_error says what the kernel answered.
can_run_32bit_programs() {
  local probe=${1:-}
  if [ -z "$probe" ]; then
    mkdir -p "$windows_root/build"
    probe="$windows_root/build/probe-i386"
    write_32bit_probe "$probe"
  fi
  local status=0
  probe_error=$("$probe" 2>&1 >/dev/null) || status=$?
  [ "$status" -eq 42 ] && return 0
  probe_error=${probe_error##*: }
  [ -n "$probe_error" ] || probe_error="exit status $status"
  return 1
}

choose_windows_target() {
  case "${CALVO_WINDOWS_BITS:-}" in
    32|64)
      windows_bits=$CALVO_WINDOWS_BITS
      windows_why="CALVO_WINDOWS_BITS asks for it" ;;
    "")
      if can_run_32bit_programs "${1:-}"; then
        windows_bits=32
        windows_why="this machine runs 32-bit programs"
      else
        windows_bits=64
        windows_why="this machine cannot run 32-bit programs ($probe_error)"
      fi ;;
    *) echo "CALVO_WINDOWS_BITS must be 32 or 64, not '$CALVO_WINDOWS_BITS'" >&2; return 2 ;;
  esac
  if [ "$windows_bits" = 32 ]; then
    windows_build="$windows_root/build/windows"
    windows_toolchain="$windows_root/cmake/i686-w64-mingw32.cmake"
    wine_exec_option=""
  else
    windows_build="$windows_root/build/windows64"
    windows_toolchain="$windows_root/cmake/x86_64-w64-mingw32.cmake"
    wine_exec_option="--wine64"
  fi
}

# Debian's wine launcher prefers the 32-bit loader whenever wine32 is installed, so the 64-bit
# build names wine64 and its server directly.
use_wine() {
  if [ "$1" = 64 ]; then
    export WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
    wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver64
  else
    wine=wine wineserver=wineserver
  fi
}
