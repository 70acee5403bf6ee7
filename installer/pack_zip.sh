#!/usr/bin/env bash
# Packs the release zip from the staged release files (the program and its Slovak read-me, with
# the commit's file times). The zip is the same bytes wherever and whenever it is packed: a fixed
# member order, no extra attributes (zip -X), and its DOS times in UTC.
# Usage: pack_zip.sh STAGE_DIR ZIP
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: pack_zip.sh STAGE_DIR ZIP" >&2; exit 2; }
stage=$1
zip=$(realpath -m "$2")
mkdir -p "$(dirname "$zip")"
rm -f "$zip"
(cd "$stage" && TZ=UTC zip -X -q "$zip" kalmira.exe citajma.txt)
