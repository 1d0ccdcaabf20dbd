#!/usr/bin/env bash
# Builds Velmora for the browser: one page, velmora.html, that needs nothing
# beside it and fetches nothing. Installs what is missing first. Prints the
# page's path as its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh >&2
# Debian's emscripten finds its JavaScript parser among Debian's node modules.
export NODE_PATH=/usr/share/nodejs
# node itself runs the WebAssembly tests (the toolchain's default would add
# a flag this node no longer knows).
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" > /dev/null
cmake --build build-web --target velmora_page -j "$(nproc)" >&2
echo "$PWD/build-web/velmora.html"
