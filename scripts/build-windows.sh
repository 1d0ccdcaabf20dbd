#!/usr/bin/env bash
# Builds velmora.exe for Windows with mingw-w64 (installing what is
# missing), together with the model and window tests as Windows programs,
# and the release archive a teacher copies: velmora-VERSION-windows-x64.zip
# beside the exe, holding the exe and a note for teachers. Prints the exe's
# path as its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh >&2
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Release >&2
cmake --build build-windows -j "$(nproc)" >&2

# The archive. The note in UTF-16 with its byte order mark and Windows line
# ends, so every Notepad shows the Japanese; a plain ASCII file name, which
# every unzipper keeps as it is. Stored without the files' owners and times
# of day beyond the zip's own (-X), both files at its top (-j).
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
staging=build-windows/release
rm -rf "$staging"
mkdir -p "$staging"
cp build-windows/velmora.exe "$staging/velmora.exe"
{
  printf '\xff\xfe'
  sed 's/$/\r/' packaging/windows/teachers-note.txt | iconv -f UTF-8 -t UTF-16LE
} >"$staging/README.txt"
archive=build-windows/velmora-$version-windows-x64.zip
rm -f "$archive"
zip -q -X -j "$archive" "$staging/velmora.exe" "$staging/README.txt" >&2
realpath build-windows/velmora.exe
