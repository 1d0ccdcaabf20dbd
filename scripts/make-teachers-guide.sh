#!/usr/bin/env bash
# Prints the teachers' guide (docs/teachers-guide/) on A4 into
# OUTDIR/velmora-VERSION-teachers-guide.pdf with Debian's headless Chromium,
# which embeds the IPA faces it is set in. With SOURCE_DATE_EPOCH set, two
# runs give the same bytes. Installs what is missing; prints the PDF's path
# last.
#
#   bash scripts/make-teachers-guide.sh OUTDIR VERSION
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 OUTDIR VERSION" >&2
  exit 2
fi
outdir=$1
version=$2
# The version becomes part of a file name and of the page's address.
if ! [[ $version =~ ^[0-9A-Za-z][0-9A-Za-z.+~-]*$ ]]; then
  echo "$0: VERSION '$version' is not a version number" >&2
  exit 2
fi
mkdir -p "$outdir"
pdf=$(realpath "$outdir")/velmora-$version-teachers-guide.pdf
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --for guide

# Chromium stamps the PDF with the local time of printing; in UTC the
# stamp keeps one length, so it can be set to the release's own time below.
export TZ=UTC

# A profile of its own, so a Chromium already running (another build's
# tests) is neither reused nor disturbed.
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
rm -f "$pdf"
if ! chromium --headless=new --no-sandbox --user-data-dir="$profile" --no-first-run \
    --disable-extensions --print-to-pdf="$pdf" --no-pdf-header-footer \
    "file://$PWD/docs/teachers-guide/teachers-guide.html?version=$version" \
    > "$profile/chromium.log" 2>&1 || [ ! -s "$pdf" ]; then
  cat "$profile/chromium.log" >&2
  echo "$0: Chromium made no PDF" >&2
  exit 1
fi
# The same commit prints the same bytes: its time (SOURCE_DATE_EPOCH, as
# the release sets it) replaces the time of printing, digit for digit.
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  stamp=$(date -u -d "@$SOURCE_DATE_EPOCH" +%Y%m%d%H%M%S)
  LC_ALL=C sed -i -E "s#/(CreationDate|ModDate) \(D:[0-9]{14}\+00'00'\)#/\1 (D:$stamp+00'00')#g" "$pdf"
fi
echo "$pdf"
