#!/usr/bin/env bash
# Takes the README's screenshots: starts Velmora on a virtual display,
# clicks through the menu and the shapes as a child would, and captures
# each window while the heat is on its way. Needs a built program
# (scripts/run.sh or scripts/test.sh builds it) and xvfb, xdotool and
# imagemagick (installed by scripts/install-deps.sh).
#   bash scripts/screenshots.sh            the Linux program
#   bash scripts/screenshots.sh --windows  velmora.exe under Wine
#                                          (scripts/build-windows.sh builds it)
set -euo pipefail
cd "$(dirname "$0")/.."
out=docs/screenshots
mkdir -p "$out"

if [ "${1:-}" = "--windows" ]; then
  program=build-windows/velmora.exe
  [ -f "$program" ] || { echo "Build velmora.exe first (bash scripts/build-windows.sh)." >&2; exit 1; }
  source scripts/wine-session.sh
  wine_session_start build-windows
  wine "$program" &
  velmora=$!
  trap 'kill $velmora 2>/dev/null || true; wine_session_stop' EXIT
  prefix=windows-
else
  program=build/app/velmora
  [ -x "$program" ] || { echo "Build Velmora first (bash scripts/run.sh builds it)." >&2; exit 1; }
  display=:77
  Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=$display
  sleep 1
  "$program" &
  velmora=$!
  trap 'kill $velmora $xvfb 2>/dev/null || true' EXIT
  prefix=
fi
menu="Velmora"

source scripts/x-windows.sh
# The menu, however long a cold start takes, and a moment to paint it.
for _ in $(seq 100); do window_named "$menu" >/dev/null 2>&1 && break; sleep 0.2; done
sleep 1
# The pointer in a corner, so no button shows the hover look of a pointer
# resting on it.
xdotool mousemove 0 0

shoot() {
  import -window "$(window_named "$1")" "$out/$prefix$2.png"
}

back() { click_at "$1" 8047 307; }

shoot "$menu" menu

# Each run: open the shape from the menu, press the metal, wait, capture.
run() {
  local button_x=$1 button_y=$2 caption=$3 press_x=$4 press_y=$5 wait=$6 name=$7
  click_at "$menu" "$button_x" "$button_y"
  click_at "$caption" "$press_x" "$press_y"
  sleep "$wait"
  shoot "$caption" "$name"
  back "$caption"
}

click_at "$menu" 5040 2300
shoot "Velmora：長方形" simulation-window
back "Velmora：長方形"

run 5040 2300 "Velmora：長方形" 2400 2200 1.2 plate-heating
run 3240 2300 "Velmora：ぼう" 2400 2347 1.0 rod-heating
run 6840 2300 "Velmora：T字形" 900 1260 3.2 t-plate-corner
run 3240 3600 "Velmora：凹字形" 1300 1300 5.0 concave-plate-corner
run 5040 3600 "Velmora：H字形" 1400 1300 4.0 h-plate-heating
run 6840 3600 "Velmora：うず形" 1560 1100 7.0 spiral-heating

if [ -n "$prefix" ]; then
  # Once more on a 200 % screen, as on a classroom projector: the menu
  # and the T, twice as large and as sharp.
  click_at "$menu" 7027 4387
  wait $velmora || true
  export WINEPREFIX=$WINEPREFIX-200 VELMORA_SCALE=2
  wine "$program" &
  velmora=$!
  sleep 2
  prefix=windows-200-
  shoot "$menu" menu
  run 6840 2300 "Velmora：T字形" 900 1260 3.2 t-plate-corner
fi
echo "Screenshots written to $out"
