#!/usr/bin/env bash
# A child who uses only the keyboard, on the real program on an X display
# (the Qt build under Xvfb, velmora.exe under Wine), with real keys: Tab to
# the plate's card and Enter, Tab to the metal, the arrows move the aiming
# cross, Space lights the burner there and the heat spreads from it,
# もう一度 by Space puts the cross back where it was, もどる, and Space on
# おわり ends the program. Each step is checked by the pixels on the screen.
#   keyboard-walk.sh COMMAND...   (DISPLAY set, the program not yet running)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/x-windows.sh

fail() {
  echo "keyboard-walk: $*" >&2
  exit 1
}
key() {
  xdotool key "$@"
  sleep 0.3
}
# Waits up to $2 seconds until the screen at ($3, $4) twips of the window
# captioned $1 shows another colour than $5, and prints it; a busy machine
# repaints late.
colour_other_than() {
  local tries=$(($2 * 10)) seen=
  while [ "$tries" -gt 0 ]; do
    seen=$(colour_at "$1" "$3" "$4" 2>/dev/null || true)
    if [ -n "$seen" ] && [ "$seen" != "$5" ]; then
      echo "$seen"
      return 0
    fi
    sleep 0.1
    tries=$((tries - 1))
  done
  echo "$5"
}

# Where the walk looks on the plate, from the program's own layout: its
# metal's left edge, centre and far left, the point ten arrow steps (1500
# twips) right of the centre, and the faces of もう一度 and もどる.
plate=$(fact menu cards shape=plate window)
read -r left _ <<<"$(inside window "$plate" pieces 0 0 0)"
read -r centre_x centre_y <<<"$(fact window "$plate" pieces 0 press)"
edge_x=$((left + twips_per_pixel))
far_x=$((left + 240))
aimed_x=$((centre_x + 1500))
read -r retry_x retry_y <<<"$(inside window "$plate" controls retryButton 40 60)"
read -r back_x _ <<<"$(inside window "$plate" controls backButton 40 60)"

timeout 90 "$@" &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT
wait_for_colour "$menu" 20 $card_face "$pale_button"
# The keys go to the window with the input focus: the menu's, once it has it.
menu_window=$(window_named "$menu")
for _ in $(seq 30); do
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$menu_window" ] && break
  sleep 0.1
done

# おわり holds the focus; the rod's card, then the plate's.
key Tab Tab
key Return
wait_for_colour "$plate" 10 "$centre_x" "$centre_y" "$cold_metal"
[ "$(colour_at "$plate" "$edge_x" "$centre_y")" = "$cold_metal" ] || fail "a mark on the metal before any key"
key Tab
mark=$(colour_other_than "$plate" 5 "$edge_x" "$centre_y" "$cold_metal")
cross=$(colour_other_than "$plate" 5 "$centre_x" "$centre_y" "$cold_metal")
[ "$mark" != "$cold_metal" ] || fail "no focus mark round the focused metal"
[ "$cross" != "$cold_metal" ] || fail "no aiming cross at the metal's centre"
# Ten steps to the right: 1500 twips.
key Right Right Right Right Right Right Right Right Right Right
wait_for_colour "$plate" 5 "$aimed_x" "$centre_y" "$cross"
[ "$(colour_at "$plate" "$centre_x" "$centre_y")" = "$cold_metal" ] || fail "the cross stayed at the centre"
key space
# The heat spreads from the aimed point, while the far left is still cold.
wait_for_colour "$plate" 5 $((aimed_x + 300)) "$centre_y" "$hot_metal"
[ "$(colour_at "$plate" "$far_x" "$centre_y")" = "$cold_metal" ] || fail "the heat did not start at the cross"
# The whole plate warm: もう一度 shows (a button's face as on もどる).
wait_for_colour "$plate" 30 "$retry_x" "$retry_y" "$(colour_at "$plate" "$back_x" "$retry_y")"
key Tab
key space
wait_for_colour "$plate" 5 "$far_x" "$centre_y" "$cold_metal"
# The focus is back on the metal, the cross where the child left it.
wait_for_colour "$plate" 5 "$aimed_x" "$centre_y" "$cross"
key shift+Tab
key space
wait_for_colour "$menu" 5 $card_face "$pale_button"
# From the plate's card back past the rod's to おわり.
key shift+Tab shift+Tab
key space
status=0
wait $program || status=$?
trap - EXIT
[ "$status" -eq 0 ] || fail "the program ended with exit code $status"
echo "keyboard-walk: a keyboard-only child's run: ok"
