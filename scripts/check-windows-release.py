#!/usr/bin/env python3
"""Checks the Windows release from the outside, as Windows would read it:
velmora.exe's version resource, manifest, icon and imports, and the zip a
teacher copies. The expected version, name and copyright come from the top
CMakeLists.txt, the one place they are written.

    check-windows-release.py BUILD_FOLDER
"""
import pathlib
import re
import struct
import sys
import xml.etree.ElementTree as ET
import zipfile

import pefile

ROOT = pathlib.Path(__file__).resolve().parent.parent
# What every Windows 10 and 11 has: nothing the teacher must copy beside it.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "version.dll",
               "comctl32.dll", "advapi32.dll", "shell32.dll", "ole32.dll", "oleacc.dll",
               "oleaut32.dll"}
WINDOWS_10_AND_11 = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"
ICON_SIZES = {16, 32, 48, 256}
MAX_EXE_BYTES = 1024 * 1024

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def version_record():
    text = (ROOT / "CMakeLists.txt").read_text(encoding="utf-8")
    version = re.search(r"project\(Velmora VERSION (\d+)\.(\d+)\.(\d+)", text)
    name = re.search(r'set\(VELMORA_PRODUCT_NAME "([^"]*)"\)', text).group(1)
    year = re.search(r"set\(VELMORA_COPYRIGHT_YEAR (\d+)\)", text).group(1)
    holder = re.search(r'set\(VELMORA_COPYRIGHT_HOLDER "([^"]*)"\)', text).group(1)
    return tuple(int(n) for n in version.groups()), name, (year, holder)


def resources(pe, type_id):
    """The data of every resource of one type, by its id."""
    found = {}
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id != type_id:
            continue
        for named in entry.directory.entries:
            for language in named.directory.entries:
                data = language.data.struct
                found[named.id] = pe.get_data(data.OffsetToData, data.Size)
    return found


def check_version(pe, numbers, name, copyright):
    major, minor, patch = numbers
    fixed = pe.VS_FIXEDFILEINFO[0]
    for what in ("File", "Product"):
        ms, ls = getattr(fixed, what + "VersionMS"), getattr(fixed, what + "VersionLS")
        got = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
        check(got == (major, minor, patch, 0), f"{what.lower()} version is {got}")
    strings = {}
    for info in pe.FileInfo[0]:
        for table in getattr(info, "StringTable", []):
            strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
    text = f"{major}.{minor:02d}"
    check(strings.get("FileVersion") == text, f"FileVersion is {strings.get('FileVersion')!r}")
    check(strings.get("ProductVersion") == text,
          f"ProductVersion is {strings.get('ProductVersion')!r}")
    check(strings.get("ProductName") == name, f"ProductName is {strings.get('ProductName')!r}")
    # Explorer's long form, and the two fields apart for the menu's line.
    year, holder = copyright
    check(strings.get("LegalCopyright") == f"Copyright (C) {year} {holder}",
          f"LegalCopyright is {strings.get('LegalCopyright')!r}")
    check(strings.get("CopyrightYear") == year, f"CopyrightYear is {strings.get('CopyrightYear')!r}")
    check(strings.get("CopyrightHolder") == holder,
          f"CopyrightHolder is {strings.get('CopyrightHolder')!r}")


def check_manifest(pe):
    manifests = resources(pe, pefile.RESOURCE_TYPE["RT_MANIFEST"])
    # Id 1: the manifest Windows reads when it starts the program.
    check(list(manifests) == [1], f"manifests by id: {sorted(manifests)}")
    if 1 not in manifests:
        return
    root = ET.fromstring(manifests[1])
    everything = list(root.iter())

    def named(tag):
        return [e for e in everything if e.tag.split("}")[-1] == tag]

    awareness = [e.text.replace(" ", "").split(",")[0] for e in named("dpiAwareness")]
    check(awareness == ["PerMonitorV2"], f"dpiAwareness is {awareness}")
    check([e.text for e in named("dpiAware")] == ["true/pm"], "dpiAware is not true/pm")
    controls = [e.attrib for e in named("assemblyIdentity")
                if e.get("name") == "Microsoft.Windows.Common-Controls"]
    check([c.get("version") for c in controls] == ["6.0.0.0"], f"common controls: {controls}")
    systems = [e.get("Id").lower() for e in named("supportedOS")]
    check(WINDOWS_10_AND_11 in systems, f"supported systems: {systems}")
    levels = [(e.get("level"), e.get("uiAccess")) for e in named("requestedExecutionLevel")]
    check(levels == [("asInvoker", "false")], f"execution level: {levels}")


def check_icon(pe):
    groups = resources(pe, pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
    images = resources(pe, pefile.RESOURCE_TYPE["RT_ICON"])
    check(len(groups) == 1, f"{len(groups)} icon groups")
    for group in groups.values():
        _, kind, count = struct.unpack_from("<HHH", group)
        check(kind == 1, "the icon group is not an icon")
        sizes = set()
        for n in range(count):
            width, height, _, _, _, _, size, image_id = struct.unpack_from("<BBBBHHIH",
                                                                           group, 6 + 14 * n)
            width, height = width or 256, height or 256
            check(width == height, f"icon {image_id} is {width}x{height}")
            image = images.get(image_id, b"")
            check(len(image) == size, f"icon {image_id} holds {len(image)} of {size} bytes")
            # Stored as PNG: its own header says the size too.
            if image.startswith(b"\x89PNG"):
                check(struct.unpack(">II", image[16:24]) == (width, width),
                      f"icon {image_id}'s picture is not {width}x{width}")
            sizes.add(width)
        check(sizes == ICON_SIZES, f"icon sizes {sorted(sizes)}")


def check_imports(pe, exe):
    dlls = {entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT}
    check(dlls <= SYSTEM_DLLS, f"imports beyond the system's DLLs: {sorted(dlls - SYSTEM_DLLS)}")
    size = exe.stat().st_size
    check(size <= MAX_EXE_BYTES, f"velmora.exe is {size} bytes")
    return sorted(dlls), size


def check_archive(folder, exe, numbers):
    archive = folder / f"velmora-{'.'.join(map(str, numbers))}-windows-x64.zip"
    check(archive.exists(), f"no {archive.name}")
    if not archive.exists():
        return
    check_archive_contents(archive)
    with zipfile.ZipFile(archive) as z:
        check(z.read("velmora.exe") == exe.read_bytes(), "the zip's velmora.exe is not the build's")


def check_archive_contents(archive):
    """What a teacher finds in the zip: the exe, the note and the licence."""
    with zipfile.ZipFile(archive) as z:
        names = z.namelist()
        check(sorted(names) == ["LICENSE.txt", "README.txt", "velmora.exe"], f"zip holds {names}")
        if sorted(names) != ["LICENSE.txt", "README.txt", "velmora.exe"]:
            return
        check(z.read("velmora.exe").startswith(b"MZ"), "the zip's velmora.exe is no program")
        note = z.read("README.txt")
        check(note.startswith(b"\xff\xfe"), "the note has no UTF-16 byte order mark")
        text = note[2:].decode("utf-16-le")
        check("\r\n" in text and "\n" not in text.replace("\r\n", ""), "the note's lines do not end CRLF")
        written = (ROOT / "packaging" / "windows" / "teachers-note.txt").read_text(encoding="utf-8")
        check(text == written.replace("\n", "\r\n"), "the note is not packaging/windows/teachers-note.txt")
        licence = (ROOT / "LICENSE").read_text(encoding="utf-8").replace("\n", "\r\n")
        check(z.read("LICENSE.txt").decode("ascii") == licence,
              "LICENSE.txt is not LICENSE with Windows line ends")


def main():
    folder = pathlib.Path(sys.argv[1])
    exe = folder / "velmora.exe"
    numbers, name, copyright = version_record()
    pe = pefile.PE(str(exe))
    check_version(pe, numbers, name, copyright)
    check_manifest(pe)
    check_icon(pe)
    dlls, size = check_imports(pe, exe)
    check_archive(folder, exe, numbers)
    for failure in failures:
        print(f"check-windows-release: {failure}", file=sys.stderr)
    if failures:
        sys.exit(1)
    print(f"check-windows-release: velmora.exe {size} bytes, imports {', '.join(dlls)}: ok")


if __name__ == "__main__":
    main()
