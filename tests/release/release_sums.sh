#!/usr/bin/env bash
# Checks the sums the release target wrote against the files it made, that the setup is a 32-bit
# Windows GUI program, and prints the sums.
# Usage: release_sums.sh SUMS STAGED_KALMIRA_EXE ZIP SETUP_EXE
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: release_sums.sh SUMS STAGED_KALMIRA_EXE ZIP SETUP_EXE"; exit 2; }
sums=$1
source "$(dirname "$0")/pe_header.sh"
[ -f "$sums" ] || { echo "no sums at $sums (cmake --build ... --target release makes them)"; exit 1; }
expected=$(for file in "$2" "$3" "$4"; do
  echo "$(sha256sum < "$file" | cut -d' ' -f1)  $(basename "$file")"
done)
[ "$(cat "$sums")" = "$expected" ] || { echo "$sums says:"; cat "$sums"; echo "the files are:"; echo "$expected"; exit 1; }
is_win32_gui "$4"
cat "$sums"
echo "release: $(stat -c %s "$3") and $(stat -c %s "$4") bytes; sums in $sums"
