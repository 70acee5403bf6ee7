#!/usr/bin/env bash
# Checks the release zip that the release target packed: it holds the staged program and read-me
# and nothing else, the program is a 32-bit Windows GUI program of a sensible size, and the read-me
# is in the form Notepad shows right.
# Usage: check_zip.sh ZIP STAGE_DIR
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: check_zip.sh ZIP STAGE_DIR" >&2; exit 2; }
zip=$1
stage=$2
source "$(dirname "$0")/pe_header.sh"
[ -f "$zip" ] || { echo "no release zip at $zip (cmake --build ... --target release makes it)"; exit 1; }
listing=$(unzip -Z1 "$zip" | tr '\n' ' ')
[ "$listing" = "kalmira.exe citajma.txt " ] || { echo "the zip holds: $listing"; exit 1; }
for member in kalmira.exe citajma.txt; do
  unzip -p "$zip" "$member" | cmp -s - "$stage/$member" || { echo "$member in the zip is not the staged one"; exit 1; }
done
exe=$stage/kalmira.exe
is_win32_gui "$exe"
# Notepad shows the read-me right when it is UTF-8 with a byte-order mark and CRLF line ends.
readme=$stage/citajma.txt
[ "$(byte_hex "$readme" 0 3)" = efbbbf ] || { echo "citajma.txt has no UTF-8 byte-order mark"; exit 1; }
lines=$(tr -cd '\n' < "$readme" | wc -c)
crlf=$(grep -c $'\r$' "$readme" || true)
[ "$lines" -gt 0 ] && [ "$crlf" -eq "$lines" ] || { echo "citajma.txt: $crlf of $lines lines end in CRLF"; exit 1; }
# The program is its texts (about 180 KB), its artwork and a little code; a much larger file means
# something dragged in what it does not need (a range check that throws brings in the whole
# exception machinery of the standard library).
size=$(stat -c %s "$exe")
[ "$size" -le $((512 * 1024)) ] || { echo "kalmira.exe is $size bytes, over 512 KB"; exit 1; }
echo "release: $zip ($(stat -c %s "$zip") bytes): kalmira.exe ($size bytes), citajma.txt"
