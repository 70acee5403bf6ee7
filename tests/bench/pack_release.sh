#!/usr/bin/env bash
# Packs the release zip (the program and its README) and checks what it holds and the size of the
# program.
# Usage: pack_release.sh KALMIRA_EXE README ZIP
set -euo pipefail
exe=$1
readme=$2
zip=$3
rm -f "$zip"
zip -j -q "$zip" "$exe" "$readme"
listing=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
if [ "$listing" != "README.md kalmira.exe " ]; then
  echo "the zip holds: $listing"
  exit 1
fi
file "$exe" | grep -q 'PE32 executable (GUI) Intel 80386' || { file "$exe"; exit 1; }
# The program is its texts (about 180 KB), its artwork and a little code; a much larger file means
# something dragged in what it does not need (a range check that throws brings in the whole
# exception machinery of the standard library).
size=$(stat -c %s "$exe")
if [ "$size" -gt $((512 * 1024)) ]; then
  echo "kalmira.exe is $size bytes, over 512 KB"
  exit 1
fi
echo "release: $zip ($(stat -c %s "$zip") bytes): kalmira.exe ($size bytes), README.md"
