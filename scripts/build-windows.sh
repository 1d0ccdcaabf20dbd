#!/usr/bin/env bash
# Builds velmora.exe for Windows with mingw-w64 (installing what is
# missing), together with the model and window tests as Windows programs,
# and the release archive a teacher copies: velmora-VERSION-windows-x64.zip
# beside the exe, holding the exe, a note for teachers and the licence.
# Prints the exe's path as its last line.
#   build-windows.sh [FOLDER [CMAKE_OPTION... [-- BUILD_OPTION...]]]
# Another FOLDER (build-windows by default) with options of its own is a
# build for a purpose, such as the benchmark's (-DVELMORA_BENCHMARK=ON), not
# the release a teacher gets: it has no archive. Options after "--" go to
# the build, such as "--target velmora" for the exe alone.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build-windows}
configure_options=()
build_options=()
if [ $# -gt 0 ]; then
  shift
  while [ $# -gt 0 ] && [ "$1" != -- ]; do configure_options+=("$1"); shift; done
  [ $# -eq 0 ] || { shift; build_options=("$@"); }
fi
bash scripts/install-deps.sh --for windows >&2
cmake -S . -B "$folder" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Release "${configure_options[@]}" >&2
cmake --build "$folder" -j "$(nproc)" "${build_options[@]}" >&2
if [ ${#configure_options[@]} -gt 0 ]; then
  realpath "$folder/velmora.exe"
  exit 0
fi

# The archive. The note in UTF-16 with its byte order mark and Windows line
# ends, so every Notepad shows the Japanese; a plain ASCII file name, which
# every unzipper keeps as it is. The licence with Windows line ends too.
# Written the same byte for byte from the same files (scripts/make-zip.py).
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$folder/CMakeCache.txt")
staging=$folder/release
rm -rf "$staging"
mkdir -p "$staging"
cp "$folder/velmora.exe" "$staging/velmora.exe"
{
  printf '\xff\xfe'
  sed 's/$/\r/' packaging/windows/teachers-note.txt | iconv -f UTF-8 -t UTF-16LE
} >"$staging/README.txt"
sed 's/$/\r/' LICENSE >"$staging/LICENSE.txt"
archive=$folder/velmora-$version-windows-x64.zip
rm -f "$archive"
python3 scripts/make-zip.py "$archive" velmora.exe="$staging/velmora.exe" \
  README.txt="$staging/README.txt" LICENSE.txt="$staging/LICENSE.txt"
realpath "$folder/velmora.exe"
