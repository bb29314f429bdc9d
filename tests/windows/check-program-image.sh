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

manifest=$(python3 "$(dirname "$0")/program_manifest.py" "$exe" $([ "$kind" = gui ] && echo --common-controls)) || exit 1
size=$(stat -c %s "$exe")
if [ "$shipped" = --shipped ]; then
  debug=$("$objdump" -h "$exe" | awk '$2 ~ /^\.debug/ {print $2}')
  [ -z "$debug" ] || fail "debug sections" $debug
  ! "$objdump" -f "$exe" | grep -q HAS_SYMS || fail "carries a symbol table"
  [ "$kind" = console ] || [ "$size" -le 1048576 ] || fail "$size bytes, more than 1 MB"
fi
echo "$exe: $format, $kind, stack 0x$stack, system DLLs only, $size bytes${shipped:+, stripped}"
echo "${manifest#"$exe: "}"
