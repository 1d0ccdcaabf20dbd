#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test headless: a normal
# build, a build under AddressSanitizer and UndefinedBehaviorSanitizer, the
# Windows build with mingw-w64, whose tests run under Wine, the browser
# build (tests under node, the page in headless Chromium), and the release
# files these builds made, gathered as scripts/release.sh gathers them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Normal build =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure
# Full screen with real input on a 1920 × 1080 display, at 100 % and 150 %.
bash scripts/e2e-full-screen.sh qt 1
bash scripts/e2e-full-screen.sh qt 1.5

echo "== Debian package of the normal build =="
bash scripts/package-deb.sh build
bash packaging/test-package.sh build/package/velmora_*_amd64.deb

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON > /dev/null
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure

echo "== Windows build (mingw-w64), its tests under Wine =="
bash scripts/build-windows.sh
bash scripts/test-windows.sh

echo "== Browser build: WebAssembly tests under node, the page in headless Chromium =="
bash scripts/build-web.sh
NODE_PATH=/usr/share/nodejs cmake --build build-web -j "$jobs"
ctest --test-dir build-web --output-on-failure

echo "== The release files of these builds =="
# The guide is the one the normal build's test printed and read back.
dist=$(bash scripts/collect-release.sh build-dist build/package build-windows build-web \
  build/tests/teachers-guide | tail -n 1)
bash tests/release/check-release.sh "$dist" build-web/tests/web/driver/node_modules \
  build-web/tests/web/velmora-facts.json
