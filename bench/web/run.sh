#!/usr/bin/env bash
# The browser's part of the benchmark: builds the benchmark page, then
# measures it beside the floor pages in headless Chromium and writes
# build-bench/report/chromium.md and chromium.json (through chromium_report.py).
#   bench/web/run.sh [--quick] [--runs N]
set -euo pipefail
cd "$(dirname "$0")/../.."
page=$(bash bench/web/build.sh | tail -n 1)
NODE_PATH=$PWD/build-bench-web/tests/web/driver/node_modules \
  VELMORA_FACTS=$PWD/build-bench-web/tests/web/velmora-facts.json \
  node bench/web/chromium_bench.js "$page" build-bench/report "$@"
/usr/bin/python3 bench/web/chromium_report.py build-bench/report
