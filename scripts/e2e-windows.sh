#!/usr/bin/env bash
# A child's runs of the real velmora.exe under Wine, with real X input:
# the menu, the rod, a press on the metal, the heat, "もう一度", "もどる" by
# the keyboard, the T turning the heat round its inner corner, the close boxes,
# a keyboard-only run, and "おわり", each step checked by the pixels on the screen. Runs inside the
# Wine session of scripts/test-windows.sh (DISPLAY and WINEPREFIX set).
set -euo pipefail
cd "$(dirname "$0")/.."
VELMORA_DESCRIBE="wine build-windows/tools/describe-velmora.exe" source scripts/x-windows.sh

fail() {
  echo "e2e-windows: $*" >&2
  exit 1
}

# The Wine prefix as the program finds it: every file and folder, and the
# registry with the times Wine stamps on its keys left out, and the keys of
# the hardware Wine itself describes afresh whenever it starts (the display
# adapters, monitors and network cards). The Wine server is ended first, so
# the registry it holds is on disk.
prefix_state() {
  wineserver -k 2>/dev/null || true
  wineserver -w
  (cd "$WINEPREFIX" && find . -path ./dosdevices -prune -o -type f -name '*.reg' -o -printf '%y %p\n' |
    sort)
  awk '/^\[/ { skip = /CurrentControlSet|NetworkCards|^\[Hardware/; sub(/\] [0-9]+$/, "]") }
       /^#time=/ { next }
       !skip' "$WINEPREFIX"/system.reg "$WINEPREFIX"/user.reg "$WINEPREFIX"/userdef.reg
}
state_before=$(mktemp)
state_after=$(mktemp)
prefix_state >"$state_before"

timeout 60 wine build-windows/velmora.exe &
velmora=$!
trap 'kill $velmora 2>/dev/null || true' EXIT

# Where the menu shows a card's pale face, below its pictogram; the faces
# of もう一度 and もどる beside their captions; the fast speed.
card_face=$(inside menu cards 0 60 1160)
retry_face=$(inside windows rod controls retryButton 40 60)
back_face=$(inside windows rod controls backButton 40 60)
fast_option=$(fact windows rod speedOptions 2 press)
# The menu with its pale picture buttons.
wait_for_colour "$menu" 20 $card_face "$pale_button"
click_at "$menu" $(fact menu cards shape=rod press)
rod=$(fact menu cards shape=rod window)
wait_for_colour "$rod" 10 4400 2347 "$cold_metal"
# はやい, then a press on the rod: the heat spreads from it.
click_at "$rod" $fast_option
click_at "$rod" 4400 2347
wait_for_colour "$rod" 5 5000 2347 "$hot_metal"
# The whole rod warm: もう一度 shows (a button's face where the pale
# window was, as on もどる beside it), and makes the rod cold again.
wait_for_colour "$rod" 20 8300 2347 "$hot_metal"
wait_for_colour "$rod" 10 $retry_face "$(colour_at "$rod" $back_face)"
click_at "$rod" $(fact windows rod controls retryButton press)
wait_for_colour "$rod" 5 5000 2347 "$cold_metal"
# The keyboard: with もう一度 gone, the focus is on the chosen speed;
# Shift+Tab goes back to the metal, Tab twice passes the speed group and
# comes round to もどる, and Space presses it: the menu.
for key in shift+Tab Tab Tab space; do
  xdotool key "$key"
  sleep 0.2
done
wait_for_colour "$menu" 5 $card_face "$pale_button"

# The T: a press on its left arm warms the stem from the inner corner
# first, while the stem's far end is still cold.
click_at "$menu" $(fact menu cards shape=t press)
tee=$(fact menu cards shape=t window)
wait_for_colour "$tee" 10 900 1260 "$cold_metal"
click_at "$tee" 900 1260
wait_for_colour "$tee" 20 3500 2300 "$hot_metal"
[ "$(colour_at "$tee" 3800 5400)" = "$cold_metal" ] || fail "the T's stem warmed at its far end first"
# Its close box does what もどる does; the menu's close box ends the
# program, and おわり would too: with exit code 0.
click_close_box "$tee"
wait_for_colour "$menu" 5 $card_face "$pale_button"
click_close_box "$menu"
status=0
wait $velmora || status=$?
trap - EXIT
[ "$status" -eq 0 ] || fail "velmora.exe ended with exit code $status"

# A child who uses only the keyboard, from the menu to おわり.
bash scripts/keyboard-walk.sh wine build-windows/velmora.exe

# Once more, ended by おわり.
timeout 60 wine build-windows/velmora.exe &
velmora=$!
trap 'kill $velmora 2>/dev/null || true' EXIT
wait_for_colour "$menu" 20 $card_face "$pale_button"
click_at "$menu" $(fact menu controls finishButton press)
status=0
wait $velmora || status=$?
trap - EXIT
[ "$status" -eq 0 ] || fail "velmora.exe ended by おわり with exit code $status"
# The program writes nothing: no file, no registry value, anywhere in the
# prefix (the user's folders and the system's included).
prefix_state >"$state_after"
if ! diff "$state_before" "$state_after" >&2; then
  fail "velmora.exe changed the Wine prefix (above: what was, and what is after the runs)"
fi
rm -f "$state_before" "$state_after"
echo "e2e-windows: a child's runs of velmora.exe under Wine: ok"
