#!/usr/bin/env python3
"""The release package's zip, byte for byte the same for the same programs: entries in a fixed
order with a fixed date and permissions, the read-me in CRLF lines, and SHA256SUMS (the
sha256sum format) of the other three. The version is read from tuv.exe's own version resource,
so the name and the program cannot disagree.

    make_package.py BUILD_DIR README_TEMPLATE OUT_DIR     writes OUT_DIR/calvo-<version>-win32.zip
    make_package.py --version EXE                         prints EXE's ProductVersion
"""
import hashlib
import os
import sys
import zipfile


def product_version(exe):
    data = open(exe, "rb").read()
    key = "ProductVersion\0".encode("utf-16-le")
    at = data.find(key)
    if at < 0:
        sys.exit(f"{exe}: no ProductVersion in its version resource")
    at += len(key)
    while data[at:at + 2] == b"\0\0":  # padding to the value's 32-bit boundary
        at += 2
    end = at
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[at:end].decode("utf-16-le")


def add(archive, name, content):
    entry = zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0))
    entry.compress_type = zipfile.ZIP_DEFLATED
    entry.create_system = 0
    entry.external_attr = 0
    archive.writestr(entry, content, compresslevel=9)


def main(args):
    if len(args) == 2 and args[0] == "--version":
        print(product_version(args[1]))
        return
    if len(args) != 3:
        sys.exit(__doc__)
    build, readme, out = args
    programs = {"tuv.exe": os.path.join(build, "tuv.exe"),
                "tuv-eval.exe": os.path.join(build, "cli", "tuv-eval.exe")}
    version = product_version(programs["tuv.exe"])
    text = open(readme, encoding="ascii").read().replace("@VERSION@", version)
    os.makedirs(out, exist_ok=True)
    path = os.path.join(out, f"calvo-{version}-win32.zip")
    files = {name: open(program, "rb").read() for name, program in programs.items()}
    files["README.txt"] = "\r\n".join(text.splitlines()).encode("ascii") + b"\r\n"
    files["SHA256SUMS"] = "".join(f"{hashlib.sha256(content).hexdigest()}  {name}\n"
                                  for name, content in files.items()).encode("ascii")
    with zipfile.ZipFile(path + ".part", "w") as archive:
        for name, content in files.items():
            add(archive, name, content)
    os.replace(path + ".part", path)
    print(path)


if __name__ == "__main__":
    main(sys.argv[1:])
