#!/usr/bin/env bash
# The browser's benchmark build: the release page with the timing marks
# compiled in (a heat run's start and end, with its tick periods, on the
# console), in its own build folder, and the browser tests' pinned driver
# (puppeteer-core) and the program's layout as describe-velmora prints it
# beside it. Prints the page's path as its last line.
set -euo pipefail
cd "$(dirname "$0")/../.."
page=$(bash scripts/build-web.sh build-bench-web -DVELMORA_BENCHMARK=ON | tail -n 1)
# Debian's emscripten finds its JavaScript parser among Debian's node
# modules, as scripts/build-web.sh tells it.
NODE_PATH=/usr/share/nodejs cmake --build build-bench-web --target browser_test_driver velmora_facts \
  -j 2 >&2
echo "$page"
