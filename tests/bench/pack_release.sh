#!/usr/bin/env bash
# Packs the release zip from the staged release files (the program and its Slovak read-me, with
# the commit's file times) and checks what it holds and the size of the program. The zip is the
# same bytes wherever and whenever it is packed: a fixed member order, no extra attributes (zip -X),
# and its DOS times in UTC.
# Usage: pack_release.sh STAGE_DIR ZIP
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: pack_release.sh STAGE_DIR ZIP" >&2; exit 2; }
stage=$1
zip=$(realpath -m "$2")
mkdir -p "$(dirname "$zip")"
rm -f "$zip"
(cd "$stage" && TZ=UTC zip -X -q "$zip" kalmira.exe citajma.txt)
listing=$(unzip -Z1 "$zip" | tr '\n' ' ')
if [ "$listing" != "kalmira.exe citajma.txt " ]; then
  echo "the zip holds: $listing"
  exit 1
fi
exe=$stage/kalmira.exe
file "$exe" | grep -q 'PE32 executable (GUI) Intel 80386' || { file "$exe"; exit 1; }
# Notepad shows the read-me right when it is UTF-8 with a byte-order mark and CRLF line ends.
file - < "$stage/citajma.txt" | grep -q 'UTF-8 (with BOM) text, with CRLF line terminators' ||
  { echo "citajma.txt: $(file -b - < "$stage/citajma.txt")"; exit 1; }
# The program is its texts (about 180 KB), its artwork and a little code; a much larger file means
# something dragged in what it does not need (a range check that throws brings in the whole
# exception machinery of the standard library).
size=$(stat -c %s "$exe")
if [ "$size" -gt $((512 * 1024)) ]; then
  echo "kalmira.exe is $size bytes, over 512 KB"
  exit 1
fi
echo "release: $zip ($(stat -c %s "$zip") bytes): kalmira.exe ($size bytes), citajma.txt"
