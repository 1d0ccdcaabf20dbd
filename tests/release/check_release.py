#!/usr/bin/env python3
"""A release folder as scripts/collect-release.sh leaves it, checked from
the outside: exactly the package, the two zips and SHA256SUMS, which
verifies; the Windows zip as a teacher finds it; the web zip with the page,
its faces, the server folder and the licence; the package's copyright file
as machine-readable DEP-5 naming the licence LICENSE holds and the version
record's year and holder.

    check_release.py FOLDER
"""
import hashlib
import importlib.util
import io
import pathlib
import re
import subprocess
import sys
import tarfile
import zipfile

from debian import copyright as dep5

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
spec = importlib.util.spec_from_file_location("windows_release",
                                              ROOT / "scripts" / "check-windows-release.py")
windows_release = importlib.util.module_from_spec(spec)
spec.loader.exec_module(windows_release)
failures = windows_release.failures
check = windows_release.check

LICENSE = (ROOT / "LICENSE").read_text(encoding="utf-8")


def words(text):
    return " ".join(text.split())


def check_checksums(folder, expected):
    listed = {}
    for line in (folder / "SHA256SUMS").read_text(encoding="ascii").splitlines():
        digest, name = line.split(maxsplit=1)
        listed[name.lstrip("*")] = digest
    check(sorted(listed) == sorted(expected), f"SHA256SUMS lists {sorted(listed)}")
    for name, digest in listed.items():
        file = folder / name
        check(file.is_file() and hashlib.sha256(file.read_bytes()).hexdigest() == digest,
              f"SHA256SUMS does not verify {name}")


def check_web_archive(archive):
    with zipfile.ZipFile(archive) as z:
        names = z.namelist()
        check(names == sorted(names), "the web zip's entries are not in order")
        check(len({i.date_time for i in z.infolist()}) == 1, "the web zip's entries differ in date")
        faces = ["IPA_Font_License_Agreement_v1.0.txt", "README.txt", "VelmoraGothic.woff2",
                 "VelmoraPGothic.woff2"]
        needed = (["velmora.html", "LICENSE.txt", "README.txt"] + [f"velmora-faces/{f}" for f in faces]
                  + [f"server/velmora-faces/{f}" for f in faces]
                  + [f"server/{f}" for f in ["index.html", "sw.js", "manifest.webmanifest",
                                             "velmora-128.png", "velmora-256.png", "LICENSE.txt"]])
        for name in needed:
            check(name in names, f"the web zip has no {name}")
        check(not [n for n in names if n.endswith(".css")], "the web zip holds a loose style sheet")
        for name in ("LICENSE.txt", "server/LICENSE.txt"):
            if name in names:
                check(z.read(name).decode("utf-8") == LICENSE, f"the web zip's {name} is not LICENSE")
        if "server/index.html" in names and "server/sw.js" in names:
            mark = re.search(r'<meta name="velmora-build" content="([0-9a-f]+)">',
                             z.read("server/index.html").decode("utf-8"))
            check(mark is not None, "the served page carries no build mark")
            worker = z.read("server/sw.js").decode("utf-8")
            check(mark is not None and f"'velmora-{mark.group(1)}'" in worker,
                  "the service worker's store is not named after the page's build")
        if "README.txt" in names:
            written = (ROOT / "packaging" / "web" / "teachers-note.txt").read_text(encoding="utf-8")
            check(z.read("README.txt").decode("utf-8") == "\ufeff" + written.replace("\n", "\r\n"),
                  "the web zip's note is not packaging/web/teachers-note.txt with a BOM and CRLF")


def check_package_copyright(deb, year, holder):
    data = subprocess.run(["dpkg-deb", "--fsys-tarfile", str(deb)], capture_output=True,
                          check=True).stdout
    with tarfile.open(fileobj=io.BytesIO(data)) as tar:
        text = tar.extractfile("./usr/share/doc/velmora/copyright").read().decode("utf-8")
    try:
        parsed = dep5.Copyright(io.StringIO(text), strict=True)
    except (dep5.Error, ValueError) as error:
        check(False, f"the package's copyright file is not DEP-5: {error}")
        return
    stanzas = list(parsed.all_files_paragraphs())
    check(len(stanzas) >= 1 and stanzas[0].files == ("*",), "no Files: * stanza")
    standalone = {p.license.synopsis: p.license.text for p in parsed.all_license_paragraphs()}
    for stanza in stanzas:
        licence = stanza.license.synopsis
        check(bool(standalone.get(licence) or stanza.license.text),
              f"the licence {licence} of {' '.join(stanza.files)} is not written out")
        check(stanza.copyright == f"{year} {holder}", f"Copyright: {stanza.copyright}")
    licence_words = words(LICENSE.split("\n\n", 2)[2])
    check(words(standalone.get("Expat", "")) == licence_words,
          "the package's Expat text is not LICENSE's")


def main():
    folder = pathlib.Path(sys.argv[1])
    numbers, _, (year, holder) = windows_release.version_record()
    version = ".".join(map(str, numbers))
    deb = f"velmora_{version}_amd64.deb"
    windows = f"velmora-{version}-windows-x64.zip"
    web = f"velmora-{version}-web.zip"
    guide = f"velmora-{version}-teachers-guide.pdf"
    present = sorted(p.name for p in folder.iterdir())
    check(present == sorted([deb, windows, web, guide, "SHA256SUMS"]), f"the folder holds {present}")
    if (folder / "SHA256SUMS").is_file():
        check_checksums(folder, [deb, windows, web, guide])
    if (folder / windows).is_file():
        windows_release.check_archive_contents(folder / windows)
    if (folder / web).is_file():
        check_web_archive(folder / web)
    if (folder / deb).is_file():
        check_package_copyright(folder / deb, year, holder)
    for failure in failures:
        print(f"check_release: {failure}", file=sys.stderr)
    if failures:
        sys.exit(1)
    print(f"check_release: {folder}: {', '.join(present)}: ok")


if __name__ == "__main__":
    main()
