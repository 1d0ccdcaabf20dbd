# Sourced by the scripts that drive Velmora's windows on an X display with
# real input (xdotool) and read back what is on the screen (imagemagick):
# windows by caption, points in twips of a window's client area.
# VELMORA_SCALE: the screen's pixel ratio (2 on a 200 % screen), 1 if unset.

# The visible window whose caption is exactly $1.
window_named() {
  local id
  for id in $(xdotool search --onlyvisible --name "$1"); do
    if [ "$(xdotool getwindowname "$id")" = "$1" ]; then echo "$id"; return; fi
  done
  echo "No visible window \"$1\"" >&2
  return 1
}

# The screen point ($2, $3) twips into the client area of the window
# captioned $1 (15 twips a pixel), as "x y". Where the window's frame is
# part of its X window (Wine draws its own), the client area lies inside
# it: as wide a frame left, right and below, the caption bar above. The
# menu's client area is 524 x 311 screen pixels, a shape window's 576 x 374.
screen_point() {
  local id scale=${VELMORA_SCALE:-1} client_width=576 client_height=374 border
  id=$(window_named "$1") || return 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  if [ "$1" = "Velmora" ]; then client_width=524 client_height=311; fi
  client_width=$((client_width * scale))
  client_height=$((client_height * scale))
  border=$(((WIDTH - client_width) / 2))
  echo "$((X + border + $2 * scale / 15)) $((Y + HEIGHT - client_height - border + $3 * scale / 15))"
}

# Clicks the window captioned $1 at ($2, $3) twips of its client area.
click_at() {
  local at
  at=$(screen_point "$@") || return 1
  # shellcheck disable=SC2086
  xdotool mousemove $at click 1
  sleep 0.3
}

# The colour on the screen at ($2, $3) twips of the window captioned $1,
# as "r,g,b".
colour_at() {
  local at
  at=$(screen_point "$@") || return 1
  import -window root -crop "1x1+${at% *}+${at#* }" -depth 8 txt:- |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n 1
}

# The program's colours on the screen, as colour_at reads them.
pale_button=255,255,225  # the menu's picture buttons
cold_metal=224,224,224
hot_metal=255,128,128

# Waits up to $2 seconds until the screen at ($3, $4) twips of the window
# captioned $1 shows the colour $5 ("r,g,b"); fails, saying what it shows,
# if it never does.
wait_for_colour() {
  local tries=$(($2 * 10)) seen=
  while [ "$tries" -gt 0 ]; do
    seen=$(colour_at "$1" "$3" "$4" 2>/dev/null || true)
    [ "$seen" = "$5" ] && return 0
    sleep 0.1
    tries=$((tries - 1))
  done
  echo "$1 at ($3, $4) shows '$seen', not $5" >&2
  return 1
}

# Clicks the close box of the window captioned $1, where Windows draws it
# (under Wine, which draws the frame itself): at the right of the caption
# bar.
click_close_box() {
  local id
  id=$(window_named "$1") || return 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $((X + WIDTH - 14)) $((Y + 12)) click 1
  sleep 0.3
}
