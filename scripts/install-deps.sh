#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if any is missing.
set -euo pipefail
packages=(g++ make cmake qt6-base-dev doctest-dev fonts-ipafont-gothic
          xvfb xauth xdotool imagemagick g++-mingw-w64-x86-64 wine wine64 fonts-wine
          emscripten node-acorn chromium python3-fonttools python3-brotli
          python3-gi python3-gi-cairo gir1.2-webkit2-4.1
          dpkg-dev file desktop-file-utils appstream lintian zip python3-pefile
          fonts-ipafont-mincho poppler-utils)
# Names given on the command line replace the list (scripts/package-deb.sh
# needs only the build's and the packaging's part of it).
[ $# -eq 0 ] || packages=("$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# npm fetches the browser tests' driver (puppeteer-core); Debian's own npm
# only where the machine has none (a node from elsewhere brings its own).
if [ $# -eq 0 ] && ! command -v npm > /dev/null; then missing+=(npm); fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
