#!/usr/bin/env bash
# Makes every release file from scratch, from the checked-out commit:
#
#   bash scripts/release.sh [OUT]
#
# writes OUT/velmora-VERSION/ (OUT is dist unless given): the Debian
# package, the Windows zip (the exe, the teachers' note, LICENSE.txt), the
# web zip (velmora.html, velmora-faces/, the server folder, LICENSE.txt,
# the teachers' note), the teachers' guide as PDF and SHA256SUMS over them, and prints the folder's path last. Installs
# what is missing first. Every date in the files is the commit's
# (SOURCE_DATE_EPOCH), so two runs from the same commit give the same
# bytes wherever the tools allow (README.md says which files do).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-dist}
bash scripts/install-deps.sh
# A checkout made by another user (a forge's runner in a container) is
# still this one's to read.
git() { command git -c safe.directory="$PWD" "$@"; }
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "release.sh: the checkout has changes not committed; the files will not be the commit's" >&2
fi
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH TZ=UTC
# Builds of their own, from nothing, so no earlier build leaks in.
builds=build-release
rm -rf "$builds"
echo "== The Debian package ==" >&2
bash scripts/package-deb.sh "$builds/linux" > /dev/null
echo "== velmora.exe and its zip ==" >&2
bash scripts/build-windows.sh "$builds/windows" -- --target velmora > /dev/null
echo "== The page, the server folder and their zip ==" >&2
bash scripts/build-web.sh "$builds/web" > /dev/null
echo "== The teachers' guide ==" >&2
version=$(sed -n 's/^project(Velmora VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
bash scripts/make-teachers-guide.sh "$builds/guide" "$version" > /dev/null
bash scripts/collect-release.sh "$out" "$builds/linux/package" "$builds/windows" "$builds/web" \
  "$builds/guide"
