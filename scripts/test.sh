#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test headless: a normal
# build, a build under AddressSanitizer and UndefinedBehaviorSanitizer, a
# compile of the plain C++ parts with mingw-w64 for the Windows backend, and
# the browser build (tests under node, the page in headless Chromium).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Normal build =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON > /dev/null
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure

echo "== mingw-w64 compile of the plain C++ parts =="
cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DVELMORA_PLAIN_ONLY=ON -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build-mingw -j "$jobs"
echo "mingw-w64 compile: ok"

echo "== Browser build: WebAssembly tests under node, the page in headless Chromium =="
bash scripts/build-web.sh
NODE_PATH=/usr/share/nodejs cmake --build build-web -j "$jobs"
ctest --test-dir build-web --output-on-failure
