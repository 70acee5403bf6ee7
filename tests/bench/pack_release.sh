#!/usr/bin/env bash
# Packs the release zip (the program and its README) and checks what it holds.
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
echo "release: $zip ($(stat -c %s "$zip") bytes): kalmira.exe, README.md"
