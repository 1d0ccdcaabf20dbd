#!/usr/bin/env bash
# Builds Velmora for the browser: one page, velmora.html, that needs nothing
# beside it and fetches nothing (the faces' licence beside it in
# velmora-faces/), and server/, the same page for a web server with its
# manifest and service worker; and the release archive
# velmora-VERSION-web.zip holding both and the licence. Installs what is
# missing first. Prints the page's size and then its path as its last line.
#
#   build-web.sh [BUILD_FOLDER [CMAKE_ARGUMENT...]]
#
# The build folder is build-web unless given; the benchmark builds into its
# own folder with its timing marks switched on (-DVELMORA_BENCHMARK=ON), a
# build for a purpose, with no archive.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-web}
shift $(($# > 0 ? 1 : 0))
bash scripts/install-deps.sh --for web >&2
# Debian's emscripten finds its JavaScript parser among Debian's node modules.
export NODE_PATH=/usr/share/nodejs
# node itself runs the WebAssembly tests (the toolchain's default would add
# a flag this node no longer knows). Earlier builds kept the browser's
# folder to the parts without a backend in its cache: the whole build now.
emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELMORA_PLAIN_ONLY=OFF \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" "$@" > /dev/null
cmake --build "$build" --target velmora_page velmora_server -j "$(nproc)" >&2
page=$build/velmora.html
if [ $# -eq 0 ]; then
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  archive=$build/velmora-$version-web.zip
  # The faces' style sheet is inside the page already; the folder holds the
  # fonts as files, their licence and how they were made.
  faces=$build/release-faces
  rm -rf "$faces" "$archive"
  cp -r "$build/velmora-faces" "$faces"
  rm "$faces/faces.css"
  # The teachers' note with a byte order mark and Windows line ends, so
  # Notepad shows its Japanese as well as a Chromebook does.
  note=$build/teachers-note.txt
  { printf '\xef\xbb\xbf'; sed 's/$/\r/' packaging/web/teachers-note.txt; } > "$note"
  python3 scripts/make-zip.py "$archive" velmora.html="$page" velmora-faces="$faces" \
    server="$build/server" LICENSE.txt=LICENSE README.txt="$note"
fi
echo "velmora.html: $(stat -c %s "$page") bytes, $(gzip -9 -c "$page" | wc -c) gzipped;" \
     "the server folder: $PWD/$build/server" >&2
echo "$PWD/$page"
