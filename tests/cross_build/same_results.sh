#!/usr/bin/env bash
# The engine must compute the same texts on every platform: evaluates the same random cases with
# the native tuv-eval and the Windows tuv-eval.exe (under Wine) and compares every output line.
#   same_results.sh NATIVE_TUV_EVAL WINDOWS_TUV_EVAL_EXE EMULATOR [EMULATOR OPTIONS...]
set -euo pipefail
native=$1 windows=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/make_cases.py" 7 20000 > "$work/cases.jsonl"
"$native" --batch < "$work/cases.jsonl" > "$work/native.jsonl"
"$@" "$windows" --batch < "$work/cases.jsonl" > "$work/windows.jsonl"
lines=$(wc -l < "$work/cases.jsonl")
if [ "$(wc -l < "$work/windows.jsonl")" -ne "$lines" ] || ! cmp -s "$work/native.jsonl" "$work/windows.jsonl"; then
  echo "native and Windows results differ:"
  paste -d '\n' "$work/cases.jsonl" "$work/native.jsonl" "$work/windows.jsonl" |
    awk 'NR%3==1{c=$0} NR%3==2{n=$0} NR%3==0 && n!=$0 {print "case:    " c; print "native:  " substr(n,1,300); print "windows: " substr($0,1,300); if (++k==5) exit}'
  exit 1
fi
echo "$lines cases, identical texts on both builds"
