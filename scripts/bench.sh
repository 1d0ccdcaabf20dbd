#!/usr/bin/env bash
# How fast and how small Velmora is, beside the least a program of the same
# toolkit costs, on all three backends: Qt on Xvfb, Win32 under Wine and
# headless Chromium, the page's first moments in Firefox and WebKit too. Installs what is missing, builds Release with the
# benchmark's timing marks (VELMORA_BENCHMARK) and the floor programs, runs
# ours and the floor alternately, and writes the figures to BENCHMARKS.md.
# A measurement, not a test: the figures depend on the machine and its load.
#   bash scripts/bench.sh            (3 runs of each; about 15 minutes)
#   bash scripts/bench.sh --quick    (1 run of each, the report to build-bench/)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=3 quick=()
if [ "${1:-}" = --quick ]; then runs=1 quick=(--quick); fi
bash scripts/install-deps.sh
jobs=$(nproc)
report=build-bench/report
rm -rf "$report"

echo "== Qt: builds =="
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCHMARK=ON > /dev/null
cmake --build build-bench --target velmora floor-window floor-disc describe-velmora -j "$jobs"
# The size is the shipped program's: Release without the marks, stripped as
# the package strips it.
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build-release --target velmora -j "$jobs"
strip -o build-release/velmora.stripped build-release/app/velmora
echo "== Qt: measuring =="
xvfb-run -a -s "-screen 0 1280x800x24" /usr/bin/python3 bench/qt/qt_bench.py \
  build-bench build-release/velmora.stripped "$report" --runs "$runs"

echo "== Browser =="
bash bench/web/run.sh --runs "$runs"

echo "== Windows under Wine =="
bash bench/wine/wine_ticks.sh "${quick[@]}"

target=BENCHMARKS.md
if [ ${#quick[@]} -gt 0 ]; then target=build-bench/BENCHMARKS.md; fi
/usr/bin/python3 bench/write_benchmarks.py "$report" "$target" "bash scripts/bench.sh${*:+ $*}"
echo "$PWD/$target"
