# Sourced by the scripts that drive Velmora's windows on an X display with
# real input (xdotool) and read back what is on the screen (imagemagick):
# windows by caption, points in twips of a window's client area.
# VELMORA_SCALE: the screen's pixel ratio (2 on a 200 % screen), 1 if unset.
# VELMORA_DESCRIBE: the command that prints the program's layout, captions
# and colours (describe-velmora of the build being driven; the native one
# if unset). Every number, caption and colour below is read from it.

velmora_facts=$(${VELMORA_DESCRIBE:-build/tools/describe-velmora})

# fact KEY...: the value at that path of the facts, a list as its items
# separated by blanks. In a list, KEY is an index or NAME=VALUE (the item
# whose NAME is VALUE: "fact menu cards shape=t press"). With "window
# CAPTION" first, the path starts at the window captioned so (the menu's or
# a shape's).
fact() {
  python3 -c '
import json, sys
value = json.loads(sys.stdin.read())
keys = sys.argv[1:]
if keys[:1] == ["window"]:
    value = next(w for w in [value["menu"], *value["windows"].values()] if w["caption"] == keys[1])
    keys = keys[2:]
for key in keys:
    if isinstance(value, list) and "=" in key:
        name, wanted = key.split("=", 1)
        value = next(item for item in value if str(item[name]) == wanted)
    else:
        value = value[int(key)] if isinstance(value, list) else value[key]
print(" ".join(map(str, value)) if isinstance(value, list) else value)
' "$@" <<<"$velmora_facts"
}

# inside PATH... DX DY: the point DX, DY twips inside the rectangle at the
# facts' PATH (as fact takes it), as "x y".
inside() {
  local dx=${*: -2:1} dy=${*: -1} left top
  read -r left top <<<"$(fact "${@:1:$#-2}" left) $(fact "${@:1:$#-2}" top)"
  echo "$((left + dx)) $((top + dy))"
}

twips_per_pixel=$(fact twipsPerPixel)
menu=$(fact menu caption)  # the menu's caption

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
# it: as wide a frame left, right and below, the caption bar above.
screen_point() {
  local id scale=${VELMORA_SCALE:-1} client_width client_height border
  id=$(window_named "$1") || return 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  client_width=$(($(fact window "$1" clientWidth) * scale / twips_per_pixel))
  client_height=$(($(fact window "$1" clientHeight) * scale / twips_per_pixel))
  border=$(((WIDTH - client_width) / 2))
  echo "$((X + border + $2 * scale / twips_per_pixel))" \
    "$((Y + HEIGHT - client_height - border + $3 * scale / twips_per_pixel))"
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
pale_button=$(fact colours card | tr ' ' ,)  # the menu's picture buttons
cold_metal=$(fact colours coldMetal | tr ' ' ,)
hot_metal=$(fact colours heatedMetal | tr ' ' ,)

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
