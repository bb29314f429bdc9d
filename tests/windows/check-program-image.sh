#!/usr/bin/env bash
# Checks an exe of a Windows build: a PE32 (or, for the 64-bit twin, PE32+) with the given
# subsystem, a stack of at least 16 MB, and imports from Windows' own DLLs
# only, so that nothing has to ship beside it.
#   check-program-image.sh <objdump> <exe> <gui|console> <32|64>
set -euo pipefail
objdump=$1 exe=$2 kind=$3 bits=$4
headers=$("$objdump" -p "$exe")
fail() { echo "$exe: $*" >&2; exit 1; }

case "$bits" in
  32) format=pei-i386 magic=010b ;;
  64) format=pei-x86-64 magic=020b ;;
  *) fail "bits must be 32 or 64, not $bits" ;;
esac
grep -q "file format $format\$" <<<"$headers" || fail "not a $bits-bit PE: $(head -3 <<<"$headers" | tail -1)"
[ "$(awk '/^Magic/ {print $2}' <<<"$headers")" = "$magic" ] || fail "optional header magic is not $magic"
subsystem=$(awk '/^Subsystem/ {print $2}' <<<"$headers")
case "$kind" in
  gui) [ "$subsystem" = 00000002 ] || fail "subsystem $subsystem, expected 2 (Windows GUI)" ;;
  console) [ "$subsystem" = 00000003 ] || fail "subsystem $subsystem, expected 3 (console)" ;;
esac
stack=$(awk '/^SizeOfStackReserve/ {print $2}' <<<"$headers")
[ $((16#$stack)) -ge 16777216 ] || fail "stack reserve 0x$stack, expected at least 16 MB"

allowed='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|ole32|oleaut32|shlwapi|version|msvcrt)\.dll$'
while read -r dll; do
  grep -qiE "$allowed" <<<"$dll" || fail "imports $dll, which Windows does not provide"
done < <(awk '/DLL Name:/ {print $3}' <<<"$headers")
echo "$exe: $format, $kind, stack 0x$stack, system DLLs only"
