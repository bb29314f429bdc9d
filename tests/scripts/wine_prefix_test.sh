#!/usr/bin/env bash
# A prefix whose making was cut short (a run stopped part-way, its wine server ended) must be made
# anew by the next program: one left with a system.reg and no DLLs failed every later run with
# "could not load kernel32.dll".
#   wine_prefix_test.sh TUV_EVAL_EXE EMULATOR [EMULATOR OPTIONS...]
set -euo pipefail
source "$(dirname "$0")/../../scripts/windows-target.sh"
if [[ " ${*:3} " == *" --wine64 "* ]]; then use_wine 64; else use_wine 32; fi
work=$(mktemp -d)
# A prefix of its own, off the shared display (Wine may show a window while it makes one).
export WINEPREFIX="$work/prefix"
unset DISPLAY
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"${@:2}" "$1" 1+2 >/dev/null 2>&1 &
maker=$!
# Cut it short once Wine has begun to fill system32.
for _ in $(seq 600); do [ -d "$WINEPREFIX/drive_c/windows/system32" ] && break; sleep 0.1; done
kill "$maker" && "$wineserver" -k || fail "the prefix was made before it could be cut short"
wait "$maker" || true
touch "$WINEPREFIX/left-by-the-cut"

result=$("${@:2}" "$1" 1+2 2>"$work/errors") || fail "tuv-eval.exe in the prefix cut short: $(cat "$work/errors")"
[ "$result" = 3 ] || fail "1+2 gave '$result'"
[ ! -e "$WINEPREFIX/left-by-the-cut" ] || fail "the prefix cut short was used as it was, not made anew"
echo "the prefix cut short was made anew and runs tuv-eval.exe"
