#!/usr/bin/env bash
# The browser's part of the benchmark: builds the benchmark page, then
# measures it beside the floor pages in headless Chromium and writes
# build-bench/report/chromium.md and chromium.json (through chromium_report.py);
# then its first paint, menu ready for input and a card's press in Chromium,
# Firefox and WebKit (engines.md and engines.json, engines_report.py).
#   bench/web/run.sh [--quick] [--runs N]
set -euo pipefail
cd "$(dirname "$0")/../.."
page=$(bash bench/web/build.sh | tail -n 1)
NODE_PATH=$PWD/build-bench-web/tests/web/driver/node_modules \
  VELMORA_FACTS=$PWD/build-bench-web/tests/web/velmora-facts.json \
  node bench/web/chromium_bench.js "$page" build-bench/report "$@"
/usr/bin/python3 bench/web/chromium_report.py build-bench/report
# The first moments in each engine, against the floor page written above.
runs=$(sed -n 's/.*--runs \([0-9]*\).*/\1/p' <<< "$*")
[[ " $* " == *" --quick "* ]] && runs=1
for engine in chromium firefox webkit; do
  launch=()
  [ "$engine" = webkit ] && launch=(xvfb-run -a -s "-screen 0 1280x1024x24")
  VELMORA_ENGINE=$engine NODE_PATH=$PWD/build-bench-web/tests/web/driver/node_modules \
    VELMORA_FACTS=$PWD/build-bench-web/tests/web/velmora-facts.json \
    "${launch[@]}" node bench/web/engines_bench.js "$page" build-bench/report --runs "${runs:-3}"
done
/usr/bin/python3 bench/web/engines_report.py build-bench/report
