#!/usr/bin/env python3
"""Checks the application manifest a Windows program carries (resource type 24, id 1): it runs as
invoker, names Windows 7, 8, 8.1 and 10/11, asks for the UTF-8 code page and the system DPI, and,
with --common-controls, depends on the common controls 6.

    program_manifest.py EXE [--common-controls]
"""
import struct
import sys
import xml.etree.ElementTree as ET

ASM = "{urn:schemas-microsoft-com:asm.v1}"
ASM3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"
WINDOWS_7_TO_11 = {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                   "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}


def manifest_bytes(data):
    """The data of resource 24/1 (any language), read through the PE's resource directory."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    resource_rva = struct.unpack_from("<I", data, directories + 2 * 8)[0]
    table = optional + optional_size
    for i in range(sections):
        size, rva, raw_size, raw = struct.unpack_from("<IIII", data, table + 40 * i + 8)
        if rva <= resource_rva < rva + max(size, raw_size):
            base = raw + resource_rva - rva
            break
    else:
        sys.exit("no resource section")

    def entry(directory, wanted):
        named, numbered = struct.unpack_from("<HH", data, base + directory + 12)
        for k in range(named + numbered):
            name, offset = struct.unpack_from("<II", data, base + directory + 16 + 8 * k)
            if wanted is None or name == wanted:
                return offset & 0x7FFFFFFF
        sys.exit(f"no resource entry {wanted}")

    language = entry(entry(entry(0, 24), 1), None)
    data_rva, size = struct.unpack_from("<II", data, base + language)
    return data[base + data_rva - resource_rva:][:size]


def main(args):
    exe, common_controls = args[0], "--common-controls" in args[1:]
    root = ET.fromstring(manifest_bytes(open(exe, "rb").read()))
    level = root.find(f"{ASM3}trustInfo/{ASM3}security/{ASM3}requestedPrivileges/{ASM3}requestedExecutionLevel")
    problems = []
    if level is None or level.get("level") != "asInvoker":
        problems.append("not run as invoker")
    systems = {os.get("Id") for os in root.iter(f"{COMPATIBILITY}supportedOS")}
    if systems != WINDOWS_7_TO_11:
        problems.append(f"supported systems {sorted(systems)}")
    settings = {element.tag.split("}")[1]: element.text for element in root.iter() if element.tag.endswith(("activeCodePage", "dpiAware"))}
    if settings != {"activeCodePage": "UTF-8", "dpiAware": "true"}:
        problems.append(f"settings {settings}")
    controls = [a for a in root.iter(f"{ASM}assemblyIdentity") if a.get("name") == "Microsoft.Windows.Common-Controls"]
    if common_controls != bool(controls) or (controls and controls[0].get("version") != "6.0.0.0"):
        problems.append("common controls 6 " + ("missing" if common_controls else "not expected"))
    if problems:
        sys.exit(f"{exe}: manifest: " + "; ".join(problems))
    print(f"{exe}: manifest as invoker, Windows 7 to 11, UTF-8, system DPI" + (", common controls 6" if controls else ""))


if __name__ == "__main__":
    main(sys.argv[1:])
