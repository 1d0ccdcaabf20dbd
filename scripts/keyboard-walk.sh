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

timeout 90 "$@" &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT
wait_for_colour Velmora 20 2460 2600 "$pale_button"
# The keys go to the window with the input focus: the menu's, once it has it.
menu=$(window_named Velmora)
for _ in $(seq 30); do
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$menu" ] && break
  sleep 0.1
done

# おわり holds the focus; the rod's card, then the plate's.
key Tab Tab
key Return
plate="Velmora：長方形"
# The plate's metal: its left edge 360 twips in, its centre at (3607, 3067).
wait_for_colour "$plate" 10 3607 3067 "$cold_metal"
[ "$(colour_at "$plate" 375 3067)" = "$cold_metal" ] || fail "a mark on the metal before any key"
key Tab
mark=$(colour_other_than "$plate" 5 375 3067 "$cold_metal")
cross=$(colour_other_than "$plate" 5 3607 3067 "$cold_metal")
[ "$mark" != "$cold_metal" ] || fail "no focus mark round the focused metal"
[ "$cross" != "$cold_metal" ] || fail "no aiming cross at the metal's centre"
# Ten steps to the right: 1500 twips.
key Right Right Right Right Right Right Right Right Right Right
wait_for_colour "$plate" 5 5107 3067 "$cross"
[ "$(colour_at "$plate" 3607 3067)" = "$cold_metal" ] || fail "the cross stayed at the centre"
key space
# The heat spreads from the aimed point, while the far left is still cold.
wait_for_colour "$plate" 5 5407 3067 "$hot_metal"
[ "$(colour_at "$plate" 600 3067)" = "$cold_metal" ] || fail "the heat did not start at the cross"
# The whole plate warm: もう一度 shows (a button's face as on もどる).
wait_for_colour "$plate" 30 6520 180 "$(colour_at "$plate" 7600 180)"
key Tab
key space
wait_for_colour "$plate" 5 600 3067 "$cold_metal"
# The focus is back on the metal, the cross where the child left it.
wait_for_colour "$plate" 5 5107 3067 "$cross"
key shift+Tab
key space
wait_for_colour Velmora 5 2460 2600 "$pale_button"
# From the plate's card back past the rod's to おわり.
key shift+Tab shift+Tab
key space
status=0
wait $program || status=$?
trap - EXIT
[ "$status" -eq 0 ] || fail "the program ended with exit code $status"
echo "keyboard-walk: a keyboard-only child's run: ok"
