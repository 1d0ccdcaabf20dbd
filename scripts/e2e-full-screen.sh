#!/usr/bin/env bash
# A teacher's run in full screen on a 1920 × 1080 projector, with real X
# input (xdotool), checked by the pixels of the screen (imagemagick):
# F11 on the menu fills the screen's height with the menu, centred on the
# dark surround; the T opened, its metal pressed, the heat spreads from the
# pointer and turns its inner corner; もどる keeps full screen; Escape
# leaves it and the menu is its normal size again.
#   e2e-full-screen.sh qt [SCALE]     build/app/velmora on a display of its own
#   e2e-full-screen.sh wine [SCALE]   build-windows/velmora.exe in the Wine
#                                     session of scripts/test-windows.sh,
#                                     whose display is 1920 × 1080
# SCALE: the desktop's scale, 1 or 1.5 (Qt: QT_SCALE_FACTOR; Wine: the
# session's prefix at 144 dots per inch). Screenshots of each step are left
# in the build folder's full-screen/ (the README shows two of them).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/x-windows.sh
backend=$1
scale=${2:-1}

fail() {
  echo "e2e-full-screen ($backend, scale $scale): $*" >&2
  exit 1
}

if [ "$backend" = qt ]; then
  out=build/full-screen
  source scripts/x-display.sh
  start_display 1920x1080
  xvfb=$display_pid
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale timeout 60 build/app/velmora &
  velmora=$!
  trap 'kill $velmora $xvfb 2>/dev/null || true' EXIT
else
  out=build-windows/full-screen
  [ "$scale" = 1 ] || export WINEPREFIX=$WINEPREFIX-150
  timeout 60 wine build-windows/velmora.exe &
  velmora=$!
  trap 'kill $velmora 2>/dev/null || true' EXIT
fi
mkdir -p "$out"
shot() { import -window root "$out/$backend-$scale-$1.png"; }

read -r screen_width screen_height < <(xdpyinfo 2>/dev/null | awk '/dimensions:/ { split($2, s, "x"); print s[1], s[2] }' ||
  echo "1920 1080")
[ "$screen_width" = 1920 ] || fail "the screen is ${screen_width}x$screen_height, not 1920x1080"

# The screen point of ($3, $4) twips of a client area $1 × $2 screen
# pixels, shown full screen: enlarged to fill the screen, centred.
full_point() {
  awk -v w="$1" -v h="$2" -v x="$3" -v y="$4" -v sw="$screen_width" -v sh="$screen_height" 'BEGIN {
    r = sw / w < sh / h ? sw / w : sh / h
    left = int((sw - int(w * r + 0.5)) / 2); top = int((sh - int(h * r + 0.5)) / 2)
    printf "%d %d\n", left + x / 15 * r, top + y / 15 * r }'
}
screen_colour() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n 1
}
# Waits up to $1 seconds for the screen point ($2, $3) to show colour $4.
wait_for_screen() {
  local tries=$(($1 * 10)) seen=
  while [ "$tries" -gt 0 ]; do
    seen=$(screen_colour "$2" "$3")
    [ "$seen" = "$4" ] && return 0
    sleep 0.1
    tries=$((tries - 1))
  done
  fail "the screen at ($2, $3) shows '$seen', not $4"
}
surround=24,24,24
menu_w=524 menu_h=311 shape_w=576 shape_h=374

# The menu in its window; a click on its background gives it the keyboard.
tries=0
until window_named Velmora >/dev/null 2>&1; do
  sleep 0.2
  tries=$((tries + 1))
  [ $tries -lt 100 ] || fail "the menu never showed"
done
sleep 1
id=$(window_named Velmora)
eval "$(xdotool getwindowgeometry --shell "$id")"
normal_width=$WIDTH
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 4)) click 1
sleep 0.3
xdotool key F11

# Full screen: the menu's pale card buttons as high as the screen lets
# them be, the dark surround beside the menu, which spans the whole height.
read -r cx cy < <(full_point $menu_w $menu_h 2460 2600)
wait_for_screen 10 "$cx" "$cy" "$pale_button"
wait_for_screen 5 5 $((screen_height / 2)) "$surround"
for row in 0 $((screen_height - 1)); do
  [ "$(screen_colour $((screen_width / 2)) $row)" != "$surround" ] ||
    fail "the menu does not span the screen's height (row $row is dark)"
done
shot menu

# The T, full screen too; a press on its left arm warms the stem from the
# inner corner first, while the stem's far end is still cold.
read -r x y < <(full_point $menu_w $menu_h 6840 2300)
xdotool mousemove "$x" "$y" click 1
read -r x y < <(full_point $shape_w $shape_h 900 1260)
wait_for_screen 10 "$x" "$y" "$cold_metal"
xdotool mousemove "$x" "$y" click 1
# The heat where the pointer pressed: just beside it, at once warm.
read -r near_x near_y < <(full_point $shape_w $shape_h 1000 1260)
wait_for_screen 5 "$near_x" "$near_y" "$hot_metal"
read -r corner_x corner_y < <(full_point $shape_w $shape_h 3500 2300)
wait_for_screen 20 "$corner_x" "$corner_y" "$hot_metal"
read -r far_x far_y < <(full_point $shape_w $shape_h 3800 5400)
[ "$(screen_colour "$far_x" "$far_y")" = "$cold_metal" ] || fail "the T's stem warmed at its far end first"
shot t-plate
# もどる: the menu, still full screen.
read -r x y < <(full_point $shape_w $shape_h 8047 307)
xdotool mousemove "$x" "$y" click 1
read -r cx cy < <(full_point $menu_w $menu_h 2460 2600)
wait_for_screen 10 "$cx" "$cy" "$pale_button"
wait_for_screen 5 5 $((screen_height / 2)) "$surround"

# Escape: the menu in its own window again, at its normal size.
xdotool key Escape
tries=0
while :; do
  id=$(window_named Velmora 2>/dev/null || true)
  if [ -n "$id" ]; then
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" = "$normal_width" ] && break
  fi
  sleep 0.2
  tries=$((tries + 1))
  [ $tries -lt 50 ] || fail "after Escape the menu is ${WIDTH:-?} pixels wide, not $normal_width"
done
[ "$(screen_colour 5 $((screen_height / 2)))" != "$surround" ] || fail "the dark surround stayed"
shot left
kill $velmora 2>/dev/null || true
wait $velmora 2>/dev/null || true
trap - EXIT
[ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
echo "e2e-full-screen ($backend, scale $scale): F11, the T, もどる and Escape on 1920x1080: ok"
