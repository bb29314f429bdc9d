#!/usr/bin/env bash
# The engine must compute the same texts on every platform: evaluates the same random cases with
# the native tuv-eval and the Windows tuv-eval.exe (under Wine) and compares every output line.
#   same_results.sh NATIVE_TUV_EVAL WINDOWS_TUV_EVAL_EXE EMULATOR [EMULATOR OPTIONS...]
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$(dirname "$0")/make_cases.py" > "$work/cases.jsonl"
"$1" --batch < "$work/cases.jsonl" > "$work/native.jsonl"
"${@:3}" "$2" --batch < "$work/cases.jsonl" > "$work/windows.jsonl"
if ! cmp -s "$work/native.jsonl" "$work/windows.jsonl"; then
  echo "native and Windows results differ (case, native, Windows):"
  paste "$work/cases.jsonl" "$work/native.jsonl" "$work/windows.jsonl" | awk -F'\t' '$2 != $3' | head -5 | cut -c1-900
  exit 1
fi
echo "$(wc -l < "$work/cases.jsonl") cases, identical texts on both builds"
