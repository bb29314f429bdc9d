#!/usr/bin/env bash
# Replays the small faults of tests/mutants/mutants.txt one at a time and says which the tests catch.
#   bash tests/mutants/run.sh [ID...]      every mutant when no ID is given; the table ends the output
# The unmutated code runs first and must pass. Then for each mutant its text is replaced (it must
# occur exactly once), the builds are rebuilt and the tests run; the file is put back afterwards,
# whatever happens (a failed build, Ctrl-C). Only the tests that can see the file run:
#   engine/                          the native suite; when it all passes, the Windows suite
#   app/, controls/, tray/, framework/  the Windows suite without the tests labelled "engine" (the
#                                    engine's own and the comparison of the two builds' tuv-eval)
# and never the product checks (label "product": the programs' images and the package's bytes).
# End-to-end scenarios can fail under load: a failing e2e.* test runs once more, the mutant still
# applied, and counts only if it fails again. Logs go to build/mutants/.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
logs="$root/build/mutants" wanted=" $* " failed=""
ids=() files=() finds=() replaces=() faults=()
while IFS= read -r line; do
  value=${line#*:} value=${value# }
  case "$line" in
    id:*) id=$value ;; file:*) file=$value ;; find:*) find=$value ;; replace:*) replace=$value ;;
    fault:*) [ $# -eq 0 ] || [[ $wanted == *" $id "* ]] || continue
      ids+=("$id") files+=("$file") finds+=("$find") replaces+=("$replace") faults+=("$value") ;;
  esac
done <"$root/tests/mutants/mutants.txt"
[ ${#ids[@]} -gt 0 ] || { echo "no such mutant:$wanted" >&2; exit 2; }

# substitute FILE FIND REPLACE [--check]: FIND must occur exactly once.
substitute() {
  python3 - "$@" <<'PY'
import sys
path, find, replace = sys.argv[1:4]
text = open(path, encoding="latin-1", newline="").read()
if text.count(find) != 1: sys.exit(f"{path}: found {text.count(find)} times: {find}")
if len(sys.argv) == 4: open(path, "w", encoding="latin-1", newline="").write(text.replace(find, replace))
PY
}
for i in "${!ids[@]}"; do substitute "$root/${files[i]}" "${finds[i]}" "${replaces[i]}" --check || exit 2; done

native() { cmake --build "$root/build/native" -j 2 && ctest --test-dir "$root/build/native" -j 2 --timeout 120 --output-on-failure; }
windows() { bash "$root/scripts/test-windows.sh" --no-product --timeout 120 "$@"; }
failures() { sed -n '/The following tests FAILED:/,$ s/^[[:space:]]*[0-9]* - \([^ ]*\) (.*/\1/p' "$1"; }
# run LOG COMMAND...: sets "failed" to the failing tests (one a line), or "error" when it failed
# otherwise; leaves it as it is (empty: outcome starts it so) when the command passes.
run() {
  local log=$1 again=""; shift
  "$@" >"$log" 2>&1 && return
  failed=$(failures "$log")
  [ -n "$failed" ] || { failed="error"; return; }
  grep -q '^e2e\.' <<<"$failed" || return
  windows -R "^($(grep '^e2e\.' <<<"$failed" | paste -sd'|' | sed 's/\./\\./g'))\$" >"$log.again" 2>&1 ||
    again=$(failures "$log.again" | grep . || echo error)
  failed=$(grep -v '^e2e\.' <<<"$failed"; [ -z "$again" ] || echo "$again")
}
# outcome NAME AREA: runs the tests that matter for AREA.
outcome() {
  local leave_out='engine|product|scripts' failed=""
  [ "$2" != engine ] || { leave_out='product|scripts'; run "$logs/$1.native.log" native; }
  [ -n "$failed" ] || run "$logs/$1.windows.log" windows -LE "$leave_out"
  case "$failed" in
    "") echo "missed" ;;
    error) echo "error: see build/mutants/$1.*.log" ;;
    *) echo "caught by $(head -3 <<<"$failed" | paste -sd, | sed 's/,/, /g')$(n=$(wc -l <<<"$failed"); [ "$n" -le 3 ] || echo " (+$((n - 3)) more)")" ;;
  esac
}

mkdir -p "$logs"; start=$SECONDS
bash "$root/scripts/test" --native >"$logs/unmutated.setup.log" 2>&1 || { echo "unmutated native suite fails: $logs/unmutated.setup.log" >&2; exit 1; }
result=$(outcome unmutated engine)
[ "$result" = missed ] || { echo "the unmutated suite does not pass: $result" >&2; exit 1; }

saved=$(mktemp) target=""
restore() { if [ -n "$target" ]; then cp "$saved" "$target"; target=""; fi; }
trap 'restore; rm -f "$saved"' EXIT
trap 'exit 130' INT TERM
table="| id | file | fault | outcome |"$'\n'"|----|------|-------|---------|"
for i in "${!ids[@]}"; do
  cp "$root/${files[i]}" "$saved" && target="$root/${files[i]}"
  substitute "$target" "${finds[i]}" "${replaces[i]}" || exit 2
  result=$(outcome "${ids[i]}" "${files[i]%%/*}")
  restore
  echo "${ids[i]} ${files[i]}: $result"
  table+=$'\n'"| ${ids[i]} | ${files[i]} | ${faults[i]} | $result |"
done
echo "Mutants replayed on $(git -C "$root" rev-parse --short HEAD) in $(((SECONDS - start) / 60)) min: \
$(grep -c '| caught by' <<<"$table") caught, $(grep -c '| missed |' <<<"$table") missed."$'\n\n'"$table"
