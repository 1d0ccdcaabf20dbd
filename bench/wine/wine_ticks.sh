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
  -- --target velmora tick-periods describe-velmora | tail -n 1)
raw=build-bench-windows/ticks
rm -rf "$raw"
mkdir -p "$raw"

source scripts/wine-session.sh
trap wine_session_stop EXIT
wine_session_start build-bench-windows
VELMORA_DESCRIBE="wine build-bench-windows/tools/describe-velmora.exe" source scripts/x-windows.sh

# Waits up to $2 seconds until the file $1 holds $3 lines saying a run ended.
wait_for_runs_ended() {
  local tries=$(($2 * 10))
  while [ "$(grep -c 'velmora-benchmark run-ended' "$1")" -lt "$3" ]; do
    sleep 0.1
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || { echo "wine_ticks: no end of run $3 in $1" >&2; return 1; }
  done
}

# Where the menu shows the first card's pale face, below its pictogram.
menu_face=$(inside menu cards 0 60 1160)

# Opens the window of the shape $1 (by its card's middle), chooses the
# speed option $2 (0 slow, 1 normal, 2 fast), presses the metal at ($3, $4)
# twips of the client area, and leaves the window's caption in $window.
run_shape() {
  window=$(fact menu cards "shape=$1" window)
  click_at "$menu" $(fact menu cards "shape=$1" press)
  wait_for_colour "$window" 10 "$3" "$4" "$cold_metal"
  click_at "$window" $(fact windows "$1" speedOptions "$2" press)
  click_at "$window" "$3" "$4"
}
back=$(fact windows rod controls backButton press)

for run in $(seq "$runs"); do
  out=$raw/velmora-$run.txt
  # The machine's load beside the figures: a timer under Wine shares the
  # processor with Wine's server and the display, and with whatever else runs.
  cut -d ' ' -f 1 /proc/loadavg >>"$raw/load.txt"
  timeout 300 wine "$bench_exe" >"$out" &
  velmora=$!
  wait_for_colour "$menu" 30 $menu_face "$pale_button"
  # The spiral at はやい, pressed at the outer end of its strip: the heat
  # runs all the way round to its inner end.
  run_shape spiral 2 1567 1200
  wait_for_runs_ended "$out" 120 1
  click_at "$window" $back  # もどる
  wait_for_colour "$menu" 10 $menu_face "$pale_button"
  # The plate at ゆっくり, pressed in its middle.
  run_shape plate 0 $(fact windows plate pieces 0 press)
  wait_for_runs_ended "$out" 120 2
  click_at "$window" $back
  wait_for_colour "$menu" 10 $menu_face "$pale_button"
  click_at "$menu" $(fact menu controls finishButton press)  # おわり
  wait "$velmora"
  timeout 120 wine build-bench-windows/tick-periods.exe "$floor_ticks" >"$raw/floor-$run.txt"
  cut -d ' ' -f 1 /proc/loadavg >>"$raw/load.txt"
done

/usr/bin/python3 bench/wine/wine_report.py "$raw" build-windows build-bench/report
realpath build-bench/report/wine.md
