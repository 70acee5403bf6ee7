#!/usr/bin/env bash
# Puts the setup program beside the release zip and prints (and writes) the SHA-256 sums of the
# program, the zip and the setup.
# Usage: release_sums.sh SETUP_EXE ZIP RELEASE_DIR KALMIRA_EXE
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: release_sums.sh SETUP_EXE ZIP RELEASE_DIR KALMIRA_EXE"; exit 2; }
setup=$1
zip=$2
dir=$3
exe=$4
[ -f "$setup" ] || { echo "no setup program at $setup"; exit 1; }
[ -f "$zip" ] || { echo "no release zip at $zip"; exit 1; }
cp "$setup" "$dir/"
file "$dir/$(basename "$setup")" | grep -q 'PE32 executable (GUI) Intel 80386' || { file "$setup"; exit 1; }
sums=$dir/$(basename "$zip" .zip).sha256
{
  echo "$(sha256sum < "$exe" | cut -d' ' -f1)  $(basename "$exe")"
  (cd "$dir" && sha256sum "$(basename "$zip")" "$(basename "$setup")")
} > "$sums"
cat "$sums"
echo "release: $(stat -c %s "$zip") and $(stat -c %s "$setup") bytes; sums in $sums"
