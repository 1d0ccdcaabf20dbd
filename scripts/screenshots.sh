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
  export VELMORA_DESCRIBE="wine build-windows/tools/describe-velmora.exe"
  wine "$program" &
  velmora=$!
  trap 'kill $velmora 2>/dev/null || true; wine_session_stop' EXIT
  prefix=windows-
  windows=yes
else
  program=build/app/velmora
  [ -x "$program" ] || { echo "Build Velmora first (bash scripts/run.sh builds it)." >&2; exit 1; }
  source scripts/x-display.sh
  start_display 1280x800
  xvfb=$display_pid
  "$program" &
  velmora=$!
  trap 'kill $velmora $xvfb 2>/dev/null || true' EXIT
  prefix=
  windows=
fi

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

# Opens the window of the shape $1 (a name the trace tool knows) from its
# card on the menu, and prints its caption.
open_shape() {
  click_at "$menu" $(fact menu cards "shape=$1" press)
  fact menu cards "shape=$1" window
}

# もどる on the window captioned $1.
back() {
  click_at "$1" $(fact window "$1" controls backButton press)
}

shoot "$menu" menu

# Each run: open the shape from the menu, press the metal (twips of the
# client area), wait, capture.
run() {
  local shape=$1 press_x=$2 press_y=$3 wait=$4 name=$5 caption
  caption=$(open_shape "$shape")
  click_at "$caption" "$press_x" "$press_y"
  sleep "$wait"
  shoot "$caption" "$name"
  back "$caption"
}

plate=$(open_shape plate)
shoot "$plate" simulation-window
back "$plate"

run plate 2400 2200 1.2 plate-heating
run rod 2400 2347 1.0 rod-heating
run t 900 1260 3.2 t-plate-corner
run concave 1300 1300 5.0 concave-plate-corner
run h 1400 1300 4.0 h-plate-heating
run spiral 1560 1100 7.0 spiral-heating

# The program started again on a screen of another scale, its menu shown.
restart_at_scale() {
  click_at "$menu" $(fact menu controls finishButton press)
  wait $velmora || true
  if [ -n "$windows" ]; then
    WINEPREFIX=$1 wine "$program" &
  else
    QT_SCALE_FACTOR=$2 "$program" &
  fi
  velmora=$!
  for _ in $(seq 100); do window_named "$menu" >/dev/null 2>&1 && break; sleep 0.2; done
  sleep 1
  export VELMORA_SCALE=$2
}

base_prefix=${WINEPREFIX:-}
if [ -n "$windows" ]; then
  # Once more on a 200 % screen, as on a classroom projector: the menu
  # and the T, twice as large and as sharp.
  restart_at_scale "$base_prefix-200" 2
  prefix=windows-200-
  shoot "$menu" menu
  run t 900 1260 3.2 t-plate-corner
fi
# Last, the menu on a laptop at 150 %, its version line ending before
# おわり (last: the click helpers count in whole multiples of the scale).
restart_at_scale "$base_prefix-150" 1.5
import -window "$(window_named "$menu")" "$out/$([ -n "$windows" ] && echo windows-150-menu || echo menu-150).png"
echo "Screenshots written to $out"
