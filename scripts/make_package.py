#!/usr/bin/env python3
"""The release packages. The zip is byte for byte the same for the same programs: entries in a
fixed order with a fixed date and permissions, the read-me in CRLF lines, and SHA256SUMS (the
sha256sum format) of the other three. The Windows Installer package is built by wixl from
packaging/calvo.wxs; its product code follows from the version and its package code from the
contents, and its files carry a fixed date, so only the two times in its summary information
differ between builds (wixl writes the time of building there and has no way to set it). The version is read from tuv.exe's own
version resource, so the names and the program cannot disagree.

    make_package.py BUILD_DIR README_TEMPLATE OUT_DIR   writes OUT_DIR/calvo-<version>-win32.zip
                                                        and .msi, and prints their paths
    make_package.py --msi BUILD_DIR README_TEMPLATE OUT_FILE [VERSION]
                                                        only the installer; VERSION in place of the
                                                        programs' own (the tests upgrade from 0.9)
    make_package.py --version EXE                       prints EXE's ProductVersion
"""
import hashlib
import os
import subprocess
import sys
import tempfile
import uuid
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FILE_TIME = 315662400  # 1980-01-02 12:00 UTC: as in the zip, no moment of building, in any time zone
UPGRADE_CODE = uuid.UUID("DA17DCAD-A6A4-4794-9993-324E742820CC")  # as in packaging/calvo.wxs


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


def read_me(template, version):
    text = open(template, encoding="ascii").read().replace("@VERSION@", version)
    return "\r\n".join(text.splitlines()).encode("ascii") + b"\r\n"


def build_msi(programs, readme, version, path):
    """Runs wixl, then adds what wixl cannot express: the files the program itself may have
    written (tuv.txt beside it, Numbrio.lnk in the Startup folder), removed on uninstall."""
    with tempfile.TemporaryDirectory() as work:
        for name, content in [("README.txt", readme)] + [(n, open(p, "rb").read()) for n, p in programs.items()]:
            with open(os.path.join(work, name), "wb") as file:
                file.write(content)
            os.utime(os.path.join(work, name), (FILE_TIME, FILE_TIME))  # the cabinet keeps it
        with open(os.path.join(ROOT, "resources", "tuv.ico"), "rb") as icon, \
                open(os.path.join(work, "tuv.ico"), "wb") as copy:
            copy.write(icon.read())
        contents = hashlib.sha256(b"".join(open(os.path.join(work, n), "rb").read()
                                           for n in sorted(os.listdir(work))))
        product = str(uuid.uuid5(UPGRADE_CODE, version)).upper()
        package = str(uuid.uuid5(UPGRADE_CODE, version + contents.hexdigest())).upper()
        defines = {"Version": version, "ProductCode": product, "PackageCode": package,
                   "Programs": ".", "Readme": "README.txt", "Icon": "tuv.ico"}
        msi = os.path.join(work, "calvo.msi")
        # wixl takes source paths relative to the folder it runs in, never absolute ones.
        subprocess.run(["wixl", "-o", msi, os.path.join(ROOT, "packaging", "calvo.wxs")]
                       + [arg for k, v in defines.items() for arg in ("-D", f"{k}={v}")],
                       cwd=work, check=True)
        rows = os.path.join(work, "RemoveFile.idt")
        with open(rows, "w") as table:  # InstallMode 2: on uninstall
            table.write("FileKey\tComponent_\tFileName\tDirProperty\tInstallMode\n"
                        "s72\ts72\tL255\ts72\ti2\nRemoveFile\tFileKey\n"
                        "StartupLink\tStartMenu\tNumbrio.lnk\tStartupFolder\t2\n"
                        "HelpText\tPrograms\ttuv.txt\tINSTALLDIR\t2\n")
        subprocess.run(["msibuild", msi, "-i", rows], check=True)
        # wixl's package code is random; this one is the same for the same contents.
        subprocess.run(["msibuild", msi, "-s", f"Calvo {version}", "Quandor Technologies", "Intel;1033",
                        "{" + package + "}"], check=True)
        os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
        os.replace(msi, path)


def main(args):
    if len(args) == 2 and args[0] == "--version":
        print(product_version(args[1]))
        return
    if len(args) in (4, 5) and args[0] == "--msi":
        build, template, path = args[1:4]
        programs = programs_in(build)
        version = args[4] if len(args) == 5 else product_version(programs["tuv.exe"])
        build_msi(programs, read_me(template, version), version, path)
        return
    if len(args) != 3:
        sys.exit(__doc__)
    build, template, out = args
    programs = programs_in(build)
    version = product_version(programs["tuv.exe"])
    os.makedirs(out, exist_ok=True)
    path = os.path.join(out, f"calvo-{version}-win32.zip")
    files = {name: open(program, "rb").read() for name, program in programs.items()}
    files["README.txt"] = read_me(template, version)
    files["SHA256SUMS"] = "".join(f"{hashlib.sha256(content).hexdigest()}  {name}\n"
                                  for name, content in files.items()).encode("ascii")
    with zipfile.ZipFile(path + ".part", "w") as archive:
        for name, content in files.items():
            add(archive, name, content)
    os.replace(path + ".part", path)
    print(path, flush=True)
    msi = os.path.join(out, f"calvo-{version}-win32.msi")
    build_msi(programs, files["README.txt"], version, msi)
    print(msi)


def programs_in(build):
    return {"tuv.exe": os.path.join(build, "tuv.exe"), "tuv-eval.exe": os.path.join(build, "cli", "tuv-eval.exe")}


if __name__ == "__main__":
    main(sys.argv[1:])
