#!/usr/bin/env bash
# Installs what the native build and its tests need, when it is missing. Idempotent.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# Packages are listed one per line in scripts/packages-*.txt; each caller names the lists it needs.
need=()
for list in "$@"; do
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
