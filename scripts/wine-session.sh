# Sourced by the scripts that run Windows programs under Wine: a virtual
# display and fresh Wine prefixes set up as a classroom PC would look.
#   wine_session_start FOLDER   Xvfb on a free display; a prefix at 100 % in
#                               FOLDER/wineprefix (WINEPREFIX), one at 150 %
#                               in FOLDER/wineprefix-150, as a laptop, and
#                               one at 200 % in FOLDER/wineprefix-200, as a
#                               projector
#   wine_session_stop           ends the Wine servers and the display
# Needs wine, wine64, fonts-wine, xvfb and fonts-ipafont-gothic
# (scripts/install-deps.sh).

source scripts/x-display.sh

wine_session_start() {
  local folder
  folder=$(realpath "$1")
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wine_session_prefixes=("$folder/wineprefix" "$folder/wineprefix-150" "$folder/wineprefix-200")
  # A projector's screen, for the full-screen runs too.
  start_display 1920x1080
  wine_session_xvfb=$display_pid
  # The prefixes at once: each has its own Wine server.
  make_wine_prefix "$folder/wineprefix" 96 &
  local first=$!
  make_wine_prefix "$folder/wineprefix-150" 144 &
  local second=$!
  make_wine_prefix "$folder/wineprefix-200" 192
  wait $first $second
  export WINEPREFIX=$folder/wineprefix
}

# make_wine_prefix PREFIX DPI
make_wine_prefix() {
  export WINEPREFIX=$1
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  timeout 120 wineboot -i >/dev/null 2>&1
  # Wine draws the frame's close box with a Marlett character, as Windows
  # does; Debian's Wine keeps that face beside itself, where the prefix
  # does not look, and without it the box would show an "r".
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  # Without a window manager, closing a window stalls unless Wine manages
  # its windows itself ("Managed"=N). The Japanese faces the program asks
  # for are the IPA faces here, and the window captions (Tahoma) borrow
  # their Japanese glyphs from them, as Windows links fonts for captions.
  # The screen's scale is DPI (96 at 100 %). A .reg file with Japanese
  # names must be UTF-16.
  local reg=$WINEPREFIX/velmora-settings.reg
  {
    printf '\xff\xfe'
    sed "s/DPI_HEX/$(printf '%08x' "$2")/" <<'REG' | iconv -f UTF-8 -t UTF-16LE
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Control Panel\Desktop]
"LogPixels"=dword:DPI_HEX

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS PGothic"="IPAPGothic"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]
"Tahoma"=hex(7):69,00,70,00,61,00,67,00,70,00,2e,00,74,00,74,00,66,00,2c,00,49,00,50,00,41,00,50,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00
REG
  } >"$reg"
  timeout 60 wine regedit "$reg" >/dev/null 2>&1
}

wine_session_stop() {
  local prefix
  for prefix in "${wine_session_prefixes[@]}"; do
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  done
  if [ -n "${wine_session_xvfb:-}" ]; then
    kill "$wine_session_xvfb" 2>/dev/null || true
    wait "$wine_session_xvfb" 2>/dev/null || true
    wine_session_xvfb=
  fi
}
