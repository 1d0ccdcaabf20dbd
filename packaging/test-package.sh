#!/usr/bin/env bash
# Checks a built Velmora package the way a school machine meets it: Debian's
# own checkers on the package, its entry and its metadata; the files where a
# desktop looks for them; and the unpacked program opening its menu on a
# virtual display. Leaves a screenshot of that menu beside the package.
#
#   bash packaging/test-package.sh path/to/velmora_VERSION_amd64.deb
set -euo pipefail
deb=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
shot=$(dirname "$deb")/menu-from-package.png
work=$(mktemp -d)
root=$work/root
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

passed=0
failed=0
check() {
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    echo "FAILED: $what"
    failed=$((failed + 1))
  fi
}
field() { dpkg-deb --field "$deb" "$1"; }
# A key of the desktop entry's main group, or of the group named second.
entry_key() {
  sed -n "/^\[${2:-Desktop Entry}\]/,/^\[/s/^$1=//p" "$root/usr/share/applications/velmora.desktop"
}

echo "-- desktop-file-validate, appstreamcli validate, lintian"
dpkg-deb -x "$deb" "$root"
check "the desktop entry is valid" \
  desktop-file-validate "$root/usr/share/applications/velmora.desktop"
# The one allowance: a desktop program's metadata id should be its maker's web
# address reversed, and Velmora has no address yet. An id under someone
# else's domain would claim what is not ours, so the plain name stays.
check "the metadata is valid" \
  appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
  "$root/usr/share/metainfo/velmora.metainfo.xml"
check "lintian finds no error" lintian --fail-on error --display-info "$deb"

echo "-- what the package says about itself"
changelog=$here/changelog
newest_release=$(grep -o '<release [^>]*>' "$here/velmora.metainfo.xml" | head -n 1)
release_version=$(sed -n 's/.*version="\([^"]*\)".*/\1/p' <<<"$newest_release")
release_date=$(sed -n 's/.*date="\([^"]*\)".*/\1/p' <<<"$newest_release")
check "the package's version is the changelog's newest" \
  test "$(field Version)" = "$(dpkg-parsechangelog -l "$changelog" -S Version)"
check "the metadata's newest release is the package's version" \
  test "$release_version" = "$(field Version)"
check "the metadata's release date is the changelog's" \
  test "$release_date" = "$(date -u -d "$(dpkg-parsechangelog -l "$changelog" -S Date)" +%F)"
check "the changelog is signed by the package's maintainer" \
  test "$(dpkg-parsechangelog -l "$changelog" -S Maintainer)" = "$(field Maintainer)"
depends=$(field Depends)
for needed in libqt6widgets6 libc6 fonts-ipafont-gothic qt6-qpa-plugins; do
  check "the package depends on $needed" grep -q "\b$needed\b" <<<"$depends"
done

echo "-- files where the desktop looks for them"
check "the program is /usr/bin/velmora" test -x "$root/usr/bin/velmora"
check "the program is stripped" grep -q ', stripped' <<<"$(file "$root/usr/bin/velmora")"
check "the program is the only thing in /usr/bin" \
  test "$(ls "$root/usr/bin")" = velmora
check "the developer tools are not installed" \
  test -z "$(find "$root" -name 'heat*trace*' -o -name 'describe*velmora*')"
check "the entry starts the installed program" test "$(entry_key Exec)" = velmora
check "the entry's action opens it full screen" \
  test "$(entry_key Exec "Desktop Action fullscreen")" = "velmora --fullscreen"
check "the entry is filed under Education" grep -q '\bEducation;' <<<"$(entry_key Categories)"
check "the entry is filed under Science" grep -q '\bScience;' <<<"$(entry_key Categories)"
check "the entry has a Japanese name" test -n "$(entry_key 'Name\[ja\]')"
check "the entry has a Japanese comment" test -n "$(entry_key 'Comment\[ja\]')"
check "the metadata launches the entry" \
  grep -q '<launchable type="desktop-id">velmora.desktop</launchable>' \
  "$root/usr/share/metainfo/velmora.metainfo.xml"
icon=$(entry_key Icon)
for size in 16 22 24 32 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
  check "the ${size}px icon is ${size}x${size}" \
    test "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x${size}"
done
for doc in doc/velmora/copyright doc/velmora/changelog.gz man/man1/velmora.1.gz; do
  check "/usr/share/$doc is there" test -s "$root/usr/share/$doc"
done

echo "-- the unpacked program opens its menu on a virtual display"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
# The real window system, as on a desktop, whatever the caller's Qt platform.
QT_QPA_PLATFORM=xcb "$root/usr/bin/velmora" &
velmora=$!
pids+=("$velmora")
# The window the desktop's entry names as the program's (StartupWMClass).
window=$(timeout 20 xdotool search --sync --onlyvisible --classname '^velmora$' | head -n 1 || true)
check "a window of the program appears" test -n "$window"
if [ -n "$window" ]; then
  eval "$(xdotool getwindowgeometry --shell "$window")"
  check "it is the menu, captioned Velmora" test "$(xdotool getwindowname "$window")" = Velmora
  # The menu's client area is 7860 x 4665 twips, 15 twips a pixel.
  check "the menu is 524 x 311 pixels" test "${WIDTH}x${HEIGHT}" = 524x311
  # The first paint may come late on a busy machine: look for up to 10 s.
  corner=""
  for _ in $(seq 50); do
    import -window root "$shot"
    corner=$(convert "$shot" -format "%[pixel:p{$((X + 4)),$((Y + 4))}]" info:)
    [ "$corner" = "srgb(212,208,200)" ] && break
    sleep 0.2
  done
  check "the menu is painted in its pale background" test "$corner" = "srgb(212,208,200)"
  # "おわり" at (6360, 4200), 1335 x 375 twips: a click on its middle ends
  # the program.
  xdotool mousemove $((X + (6360 + 1335 / 2) / 15)) $((Y + (4200 + 375 / 2) / 15)) click 1
  status=0
  timeout 10 tail --pid="$velmora" -f /dev/null || status=timeout
  [ "$status" = timeout ] || wait "$velmora" || status=$?
  check "おわり ends the program cleanly" test "$status" = 0
  echo "screenshot of the menu: $shot"
fi

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
