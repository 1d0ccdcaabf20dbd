#!/usr/bin/env bash
# Gathers a release's files into one folder with their checksums:
# OUT/velmora-VERSION/ holding the Debian package, the Windows zip, the web
# zip, the teachers' guide and SHA256SUMS over every file. Prints the folder's path last.
# scripts/release.sh calls it after building from scratch; the test command
# calls it on its own builds and checks the result.
#
#   collect-release.sh OUT PACKAGE_FOLDER WINDOWS_FOLDER WEB_FOLDER GUIDE_FOLDER
#
# The folders are where scripts/package-deb.sh, build-windows.sh,
# build-web.sh and make-teachers-guide.sh left this version's files.
set -euo pipefail
[ $# -eq 5 ] || { echo "usage: collect-release.sh OUT PACKAGE_FOLDER WINDOWS_FOLDER WEB_FOLDER GUIDE_FOLDER" >&2; exit 2; }
root=$(dirname "$0")/..
version=$(sed -n 's/^project(Velmora VERSION \([0-9.]*\) .*/\1/p' "$root/CMakeLists.txt")
folder=$1/velmora-$version
files=("$2/velmora_${version}_amd64.deb" "$3/velmora-$version-windows-x64.zip"
       "$4/velmora-$version-web.zip" "$5/velmora-$version-teachers-guide.pdf")
for file in "${files[@]}"; do
  [ -f "$file" ] || { echo "collect-release.sh: no $file" >&2; exit 1; }
done
rm -rf "$folder"
mkdir -p "$folder"
cp "${files[@]}" "$folder/"
(cd "$folder" && LC_ALL=C sha256sum -- * > SHA256SUMS)
realpath "$folder"
