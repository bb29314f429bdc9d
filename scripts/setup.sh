#!/usr/bin/env bash
# Installs what the named parts need, when it is missing, in one apt-get run. Idempotent.
#   setup.sh LIST...     e.g. setup.sh native windows
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# Packages are listed one per line in scripts/packages-*.txt; each caller names the lists it needs.
# "windows" brings the Wine of the build this machine can run, and only that one.
lists=("$@")
if printf '%s\n' "${lists[@]}" | grep -qx windows; then
  source "$here/windows-target.sh"
  choose_windows_target
  lists+=("wine$windows_bits")
fi
need=()
for list in "${lists[@]}"; do
  while read -r pkg; do
    [ -z "$pkg" ] && continue
    case "$pkg" in \#*) continue ;; esac
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || need+=("$pkg")
  done < "$here/packages-$list.txt"
done
[ ${#need[@]} -eq 0 ] && exit 0

echo "setup: installing ${need[*]}" >&2
sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
if printf '%s\n' "${need[@]}" | grep -q ':i386$'; then
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
