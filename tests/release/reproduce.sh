#!/usr/bin/env bash
# Makes the release a second time, from the same sources in a build directory of its own, and
# compares it with the first: kalmira.exe, the zip and the setup program must be the same bytes,
# so the two trees' sums must be the same.
# Usage: reproduce.sh SOURCE_DIR AGAIN_DIR TOOLCHAIN_FILE BUILD_TYPE SUMS
set -uo pipefail
[ $# -eq 5 ] || { echo "usage: reproduce.sh SOURCE_DIR AGAIN_DIR TOOLCHAIN_FILE BUILD_TYPE SUMS"; exit 2; }
source_dir=$1
again=$2
toolchain=$3
build_type=$4
first=$5

start=$SECONDS
mkdir -p "$again"
if ! { cmake -S "$source_dir" -B "$again" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE="$build_type" \
         -DKALMIRA_TESTS=OFF > "$again/configure-output.log" 2>&1 &&
       cmake --build "$again" -j"$(nproc)" --target release > "$again/build-output.log" 2>&1; }; then
  cat "$again/configure-output.log" "$again/build-output.log"
  echo "the second build in $again failed"
  exit 1
fi
second=$again/$(basename "$first")
[ -f "$first" ] || { echo "no sums of the first release at $first"; exit 1; }
[ -f "$second" ] || { echo "the second build wrote no sums at $second"; exit 1; }

status=0
while read -r sum name; do
  other=$(awk -v name="$name" '$2 == name { print $1 }' "$second")
  if [ "$sum" = "$other" ]; then
    echo "  ok    $name $sum"
  else
    echo "  FAIL  $name differs: $sum in $first, ${other:-nothing} in $second"
    status=1
  fi
done < "$first"
[ "$(wc -l < "$first")" -eq "$(wc -l < "$second")" ] || { echo "  FAIL  the sums list other files"; status=1; }
echo "release made again in $again in $((SECONDS - start)) s: $([ $status -eq 0 ] && echo same bytes || echo different)"
exit $status
