#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if any is missing.
set -euo pipefail
packages=(g++ make cmake qt6-base-dev doctest-dev fonts-ipafont-gothic
          xvfb xauth xdotool imagemagick g++-mingw-w64-x86-64
          emscripten node-acorn chromium
          python3-gi python3-gi-cairo gir1.2-webkit2-4.1)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
