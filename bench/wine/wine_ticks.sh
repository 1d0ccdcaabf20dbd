#!/usr/bin/env bash
# The benchmark's Windows part: even heat ticks of velmora.exe under Wine,
# and the size of the exe and the zip a teacher gets. Start-up and memory
# under Wine are Wine's more than the program's, so they are not measured.
#   bench/wine/wine_ticks.sh [--quick]
# Each run starts the benchmark build of velmora.exe on a virtual display
# and, with real mouse clicks, runs a whole spiral at はやい and then a whole
# plate at ゆっくり, each to the end of its heat; between our runs a bare
# 50 ms toolkit timer (tick-periods.exe) runs as the floor. Three runs, or
# one with --quick. Writes build-bench/report/wine.md and wine.json.
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=3 floor_ticks=200
if [ "${1:-}" = --quick ]; then runs=1 floor_ticks=100; fi

# The shipped exe and zip, as scripts/build-windows.sh left them, or built.
if ! ls build-windows/velmora.exe build-windows/velmora-*-windows-x64.zip >/dev/null 2>&1; then
  bash scripts/build-windows.sh >/dev/null
fi
# The benchmark build: the exe with its tick log, and the bare timer.
bench_exe=$(bash scripts/build-windows.sh build-bench-windows -DVELMORA_BENCHMARK=ON \
  -- --target velmora tick-periods | tail -n 1)
raw=build-bench-windows/ticks
rm -rf "$raw"
mkdir -p "$raw"

source scripts/wine-session.sh
source scripts/x-windows.sh
trap wine_session_stop EXIT
wine_session_start build-bench-windows

# Waits up to $2 seconds until the file $1 holds $3 lines saying a run ended.
wait_for_runs_ended() {
  local tries=$(($2 * 10))
  while [ "$(grep -c 'velmora-benchmark run-ended' "$1")" -lt "$3" ]; do
    sleep 0.1
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || { echo "wine_ticks: no end of run $3 in $1" >&2; return 1; }
  done
}

# Opens the shape whose card is captioned $1 (its card's middle at ($2, $3)
# twips of the menu), chooses the speed at ($4, $5) and presses the metal
# at ($6, $7).
run_shape() {
  local window="Velmora：$1"
  click_at Velmora "$2" "$3"
  wait_for_colour "$window" 10 "$6" "$7" "$cold_metal"
  click_at "$window" "$4" "$5"
  click_at "$window" "$6" "$7"
}

for run in $(seq "$runs"); do
  out=$raw/velmora-$run.txt
  # The machine's load beside the figures: a timer under Wine shares the
  # processor with Wine's server and the display, and with whatever else runs.
  cut -d ' ' -f 1 /proc/loadavg >>"$raw/load.txt"
  timeout 300 wine "$bench_exe" >"$out" &
  velmora=$!
  wait_for_colour Velmora 30 2460 2600 "$pale_button"
  # The spiral at はやい, pressed at the outer end of its strip: the heat
  # runs all the way round to its inner end.
  run_shape うず形 6840 3360 8047 5287 1567 1200
  wait_for_runs_ended "$out" 120 1
  click_at "Velmora：うず形" 8047 307  # もどる
  wait_for_colour Velmora 10 2460 2600 "$pale_button"
  # The plate at ゆっくり, pressed in its middle.
  run_shape 長方形 5040 2040 8047 4807 3607 3067
  wait_for_runs_ended "$out" 120 2
  click_at "Velmora：長方形" 8047 307
  wait_for_colour Velmora 10 2460 2600 "$pale_button"
  click_at Velmora 7027 4387  # おわり
  wait "$velmora"
  timeout 120 wine build-bench-windows/tick-periods.exe "$floor_ticks" >"$raw/floor-$run.txt"
  cut -d ' ' -f 1 /proc/loadavg >>"$raw/load.txt"
done

/usr/bin/python3 bench/wine/wine_report.py "$raw" build-windows build-bench/report
realpath build-bench/report/wine.md
