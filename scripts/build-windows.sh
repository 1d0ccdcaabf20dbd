#!/usr/bin/env bash
# Builds velmora.exe for Windows with mingw-w64 (installing what is
# missing), together with the model and window tests as Windows programs,
# and prints the exe's path as its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh >&2
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Release >&2
cmake --build build-windows -j "$(nproc)" >&2
realpath build-windows/velmora.exe
