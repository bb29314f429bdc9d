#!/usr/bin/env bash
# Checks an exe of a Windows build: a PE32 (or, for the 64-bit twin, PE32+) with the given
# subsystem, a stack of at least 16 MB, imports from Windows' own DLLs only, so that nothing has
# to ship beside it, and its manifest (the common controls 6 for the window program). --shipped:
# also no symbols or debug information, and the window program at most 1 MB. Prints the size.
#   check-program-image.sh <objdump> <exe> <gui|console> <32|64> [--shipped]
set -euo pipefail
objdump=$1 exe=$2 kind=$3 bits=$4 shipped=${5:-}
headers=$("$objdump" -p "$exe")
fail() { echo "$exe: $*" >&2; exit 1; }
field() { awk -v name="$1" '$1 == name {print $2}' <<<"$headers"; }

declare -A formats=([32]="pei-i386 010b" [64]="pei-x86-64 020b") subsystems=([gui]=00000002 [console]=00000003)
read -r format magic <<<"${formats[$bits]:-none none}"
grep -q "file format $format\$" <<<"$headers" || fail "not a $bits-bit PE: $(sed -n 2p <<<"$headers")"
[ "$(field Magic)" = "$magic" ] || fail "optional header magic is not $magic"
[ "$(field Subsystem)" = "${subsystems[$kind]}" ] || fail "subsystem $(field Subsystem), not ${subsystems[$kind]}"
stack=$(field SizeOfStackReserve)
[ $((16#$stack)) -ge 16777216 ] || fail "stack reserve 0x$stack, expected at least 16 MB"

allowed='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|ole32|oleaut32|shlwapi|version|msvcrt)\.dll$'
others=$(awk '/DLL Name:/ {print $3}' <<<"$headers" | grep -viE "$allowed" || true)
[ -z "$others" ] || fail "imports" $others", which Windows does not provide"

# The manifest: the one XML text in the program (resource 24, id 1), element by element.
manifest=$(python3 -c 'import sys; d = open(sys.argv[1], "rb").read(); s = d.find(b"<?xml")
print(d[s:d.find(b"</assembly>", s)].decode() if s >= 0 else "")' "$exe")
wanted=('level="asInvoker"' '>UTF-8</activeCodePage>' '>true</dpiAware>' '>true</longPathAware>'
  {35138b9a-5d96-4fbd-8e2d-a2440225f93a} {4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}   # Windows 7, 8
  {1f676c76-80e1-4239-95bb-83d0f6d0da78} {8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a})  # 8.1, 10 and 11
[ "$kind" = gui ] && wanted+=('name="Microsoft.Windows.Common-Controls" version="6.0.0.0"')
for element in "${wanted[@]}"; do grep -qF -- "$element" <<<"$manifest" || fail "manifest without $element"; done
size=$(stat -c %s "$exe")
if [ "$shipped" = --shipped ]; then
  debug=$("$objdump" -h "$exe" | awk '$2 ~ /^\.debug/ {print $2}')
  [ -z "$debug" ] || fail "debug sections" $debug
  ! "$objdump" -f "$exe" | grep -q HAS_SYMS || fail "carries a symbol table"
  [ "$kind" = console ] || [ "$size" -le 1048576 ] || fail "$size bytes, more than 1 MB"
fi
echo "$exe: $format, $kind, stack 0x$stack, system DLLs only, $size bytes${shipped:+, stripped}"
echo "  manifest: as invoker, Windows 7 to 11, UTF-8, system DPI, long paths$([ "$kind" = gui ] && echo ", common controls 6")"
