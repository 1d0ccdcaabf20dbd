#!/usr/bin/env python3
"""Writes a release zip that is the same byte for byte whenever its files
are: entries in sorted order, every one dated SOURCE_DATE_EPOCH (the last
commit's time, else 1 January 2026), plain read permissions, no owners and
no directory entries.

    make-zip.py ARCHIVE NAME=PATH...

NAME is the entry's name in the zip; a PATH that is a folder adds every
file under it, as NAME/relative/path.
"""
import os
import pathlib
import sys
import time
import zipfile


def entries(pairs):
    found = {}
    for pair in pairs:
        name, _, path = pair.partition("=")
        path = pathlib.Path(path)
        if path.is_dir():
            for file in path.rglob("*"):
                if file.is_file():
                    found[f"{name}/{file.relative_to(path).as_posix()}"] = file
        else:
            found[name] = path
    return sorted(found.items())


def main():
    archive, *pairs = sys.argv[1:]
    if not pairs:
        sys.exit("make-zip.py ARCHIVE NAME=PATH...")
    # A zip's times are local and no earlier than 1980: UTC here, always.
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "1767225600"))
    date = time.gmtime(max(epoch, 315532800))[:6]
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for name, path in entries(pairs):
            info = zipfile.ZipInfo(name, date)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3  # Unix, so the permissions below are read
            info.external_attr = 0o100644 << 16
            z.writestr(info, path.read_bytes())


if __name__ == "__main__":
    main()
