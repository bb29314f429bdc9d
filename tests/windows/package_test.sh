#!/usr/bin/env bash
# The release package: built twice from this checkout in two different folders it must be the
# same bytes; it must open, hold exactly the two PE32 programs, stripped, a CRLF read-me and the
# checksums of the three, and carry one version in its name, both programs' version resources
# and tuv-eval --version.
#   package_test.sh OBJDUMP NATIVE_TUV_EVAL
set -euo pipefail
objdump=$1 native_tuv_eval=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package: $*" >&2; exit 1; }

first=$(bash "$root/scripts/package" --build "$work/a" --out "$work/first" | sed -n 1p)
second=$(bash "$root/scripts/package" --build "$work/another-build-folder" --out "$work/second" | sed -n 1p)
cmp "$first" "$second" || fail "two builds of the same commit differ"

python3 - "$first" "$work/unpacked" <<'PY' || fail "the zip does not open cleanly"
import sys, zipfile
archive = zipfile.ZipFile(sys.argv[1])
assert archive.testzip() is None and archive.namelist() == ["tuv.exe", "tuv-eval.exe", "README.txt", "SHA256SUMS"], archive.namelist()
readme = archive.read("README.txt")
assert readme.endswith(b"\r\n") and b"\n" not in readme.replace(b"\r\n", b""), "README.txt is not CRLF"
archive.extractall(sys.argv[2])
PY
(cd "$work/unpacked" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the files"
bash "$root/tests/windows/check-program-image.sh" "$objdump" "$work/unpacked/tuv.exe" gui 32 --shipped
bash "$root/tests/windows/check-program-image.sh" "$objdump" "$work/unpacked/tuv-eval.exe" console 32 --shipped

version() { python3 "$root/scripts/make_package.py" --version "$work/unpacked/$1"; }
version=$(version tuv.exe)
[ "$(basename "$first")" = "calvo-$version-win32.zip" ] || fail "$(basename "$first") is not named for version $version"
[ "$(version tuv-eval.exe)" = "$version" ] || fail "tuv-eval.exe's version is not tuv.exe's $version"
[ -z "$native_tuv_eval" ] || [ "$("$native_tuv_eval" --version)" = "tuv-eval (Calvo) $version" ] ||
  fail "tuv-eval --version says '$("$native_tuv_eval" --version)', the resource $version"
echo "$(basename "$first"): reproducible, PE32 programs, version $version throughout"
