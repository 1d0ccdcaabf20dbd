#!/usr/bin/env bash
# Checks the release files the test command's own builds made, gathered as
# scripts/release.sh gathers them (it does not build them again): the
# folder, its checksums and both zips, the package's copyright file; the
# web zip's page opened from file:// in headless Chromium. (The package
# itself is the one the test command's package test checked.)
#
#   check-release.sh FOLDER BROWSER_DRIVER_MODULES FACTS
# (FACTS: the describer's JSON of the browser build, which the browser
# driver reads.)
set -euo pipefail
folder=$(realpath "$1")
modules=$(realpath "$2")
export VELMORA_FACTS=$(realpath "$3")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

/usr/bin/python3 "$here/check_release.py" "$folder"
/usr/bin/python3 -m zipfile -e "$folder"/velmora-*-web.zip "$work/web"
NODE_PATH=$modules node "$here/web_zip_page.js" "$work/web/velmora.html"
