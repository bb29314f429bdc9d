#!/usr/bin/env bash
# Which Windows build the scripts test: the 32-bit one where a 32-bit program runs, the 64-bit
# twin where the kernel refuses it, with the reason in the one line the scripts print.
set -euo pipefail
source "$(dirname "$0")/../../scripts/windows-target.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset CALVO_WINDOWS_BITS
fail() { echo "FAIL: $*" >&2; exit 1; }

# A probe of a machine type no kernel here runs: refused like i386 on a kernel without 32-bit
# emulation.
write_32bit_probe "$work/refused" '\xef\xbe'
choose_windows_target "$work/refused"
[ "$windows_bits" = 64 ] && [ "$wine_exec_option" = --wine64 ] && [ "${windows_build##*/}" = windows64 ] ||
  fail "a refused probe chose the $windows_bits-bit build in $windows_build"
[[ "$windows_why" == *"cannot run 32-bit programs (Exec format error)"* ]] || fail "reason: $windows_why"

printf '#!/bin/sh\nexit 42\n' >"$work/runs" && chmod +x "$work/runs"
choose_windows_target "$work/runs"
[ "$windows_bits" = 32 ] && [ -z "$wine_exec_option" ] && [ "${windows_toolchain##*/}" = i686-w64-mingw32.cmake ] ||
  fail "a probe that ran chose the $windows_bits-bit build"

# The real i386 probe must agree with 32-bit Wine, where that is installed.
if [ -x /usr/lib/wine/wine ]; then
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then wine32=yes; else wine32=no; fi
  if can_run_32bit_programs; then probe=yes; else probe=no; fi
  [ "$probe" = "$wine32" ] || fail "the i386 probe says $probe, 32-bit Wine says $wine32"
  echo "the i386 probe and 32-bit Wine agree: $probe"
else
  echo "no 32-bit Wine here to check the i386 probe against"
fi
echo "both outcomes choose the right build"
