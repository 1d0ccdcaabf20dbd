#!/usr/bin/env bash
# Installs the Debian packages a script needs, if any is missing.
#
#   install-deps.sh                  everything: the test and release commands
#   install-deps.sh --for PART...    only what those parts need
#
# Starting the Linux program must not bring Wine, Chromium or Emscripten.
set -euo pipefail
declare -A parts
# The Linux program (its build configures the tests too, hence doctest).
parts[linux]="g++ make cmake qt6-base-dev doctest-dev fonts-ipafont-gothic"
# Its Debian package: dpkg-shlibdeps finds the libraries the binary needs,
# and file, which CPack uses to find the binaries to hand it.
parts[package]="${parts[linux]} dpkg-dev file"
# velmora.exe and its zip.
parts[windows]="make cmake doctest-dev g++-mingw-w64-x86-64 python3"
# The page and the server folder, with their faces cut from the IPA fonts.
parts[web]="make cmake doctest-dev emscripten node-acorn fonts-ipafont-gothic python3
            python3-fonttools python3-brotli"
# What only the tests use: virtual displays, Wine, browsers, checkers.
parts[tests]="xvfb xauth xdotool imagemagick wine wine64 fonts-wine chromium
              firefox-esr webkit2gtk-driver desktop-file-utils appstream
              lintian python3-pefile python3-yaml python3-debian"
# The teachers' guide: printed by Chromium in the IPA faces, read back by
# poppler.
parts[guide]="chromium fonts-ipafont-gothic fonts-ipafont-mincho poppler-utils"
# The release's dates are its commit's.
parts[release]="git"

if [ "${1:-}" = --for ]; then
  shift
  wanted=("$@")
else
  wanted=(linux package windows web tests guide release)
fi
packages=()
for part in "${wanted[@]}"; do
  [ -n "${parts[$part]:-}" ] || { echo "install-deps.sh: no part named $part" >&2; exit 2; }
  for p in ${parts[$part]}; do packages+=("$p"); done
done
missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# npm fetches the browser tests' driver (puppeteer-core); Debian's own npm
# only where the machine has none (a node from elsewhere brings its own).
# The web build sets those tests up wherever Chromium is, so it needs npm
# there too.
needs_npm=false
[[ " ${wanted[*]} " == *" tests "* ]] && needs_npm=true
[[ " ${wanted[*]} " == *" web "* ]] && command -v chromium > /dev/null && needs_npm=true
if $needs_npm && ! command -v npm > /dev/null; then missing+=(npm); fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
