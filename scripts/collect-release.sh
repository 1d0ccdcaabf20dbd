#!/usr/bin/env bash
# Gathers a release's files into one folder with their checksums:
# OUT/velmora-VERSION/ holding the Debian package, the Windows zip, the web
# zip and SHA256SUMS over every file. Prints the folder's path last.
# scripts/release.sh calls it after building from scratch; the test command
# calls it on its own builds and checks the result.
#
#   collect-release.sh OUT DEB WINDOWS_ZIP WEB_ZIP
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: collect-release.sh OUT DEB WINDOWS_ZIP WEB_ZIP" >&2; exit 2; }
out=$1
shift
cd "$(dirname "$0")/.."
version=$(sed -n 's/^project(Velmora VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
folder=$out/velmora-$version
expected=("velmora_${version}_amd64.deb" "velmora-$version-windows-x64.zip"
          "velmora-$version-web.zip")
rm -rf "$folder"
mkdir -p "$folder"
for i in 0 1 2; do
  file=$1
  shift
  [ "$(basename "$file")" = "${expected[$i]}" ] ||
    { echo "collect-release.sh: $file is not ${expected[$i]}" >&2; exit 1; }
  cp "$file" "$folder/"
done
(cd "$folder" && LC_ALL=C sha256sum -- * > SHA256SUMS)
realpath "$folder"
