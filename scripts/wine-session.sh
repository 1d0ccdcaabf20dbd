# Sourced by the scripts that run Windows programs under Wine: a virtual
# display and a fresh Wine prefix set up as a classroom PC would look.
#   wine_session_start FOLDER   prefix in FOLDER/wineprefix, Xvfb on a free display
#   wine_session_stop           ends the Wine server and the display
# Needs wine, wine64, fonts-wine, xvfb and fonts-ipafont-gothic
# (scripts/install-deps.sh).

wine_session_start() {
  local folder
  folder=$(realpath "$1")
  export WINEPREFIX=$folder/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  rm -rf "$WINEPREFIX"
  # A display of its own: the first number no X server holds.
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  wine_session_xvfb=$!
  export DISPLAY=:$n
  # A GUI program with no display would wait for ever: the display first.
  local tries=0
  until [ -e "/tmp/.X11-unix/X$n" ]; do
    sleep 0.1
    tries=$((tries + 1))
    [ $tries -lt 100 ] || { echo "Xvfb did not start" >&2; return 1; }
  done
  timeout 120 wineboot -i >/dev/null 2>&1
  # Without a window manager, closing a window stalls unless Wine manages
  # its windows itself ("Managed"=N). The Japanese faces the program asks
  # for are the IPA faces here, and the window captions (Tahoma) borrow
  # their Japanese glyphs from them, as Windows links fonts for captions.
  # A .reg file with Japanese names must be UTF-16.
  local reg=$folder/wine-settings.reg
  {
    printf '\xff\xfe'
    iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

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
  wineserver -k 2>/dev/null || true
  if [ -n "${wine_session_xvfb:-}" ]; then
    kill "$wine_session_xvfb" 2>/dev/null || true
    wait "$wine_session_xvfb" 2>/dev/null || true
    wine_session_xvfb=
  fi
}
