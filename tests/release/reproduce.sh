#!/usr/bin/env bash
# Builds the release a second time, from the same sources in a build directory of its own, and
# compares it with the first: kalmira.exe, the zip and the setup program must be the same bytes.
# Usage: reproduce.sh SOURCE_DIR AGAIN_DIR TOOLCHAIN_FILE BUILD_TYPE KALMIRA_EXE ZIP SETUP_EXE
set -uo pipefail
[ $# -eq 7 ] || { echo "usage: reproduce.sh SOURCE_DIR AGAIN_DIR TOOLCHAIN_FILE BUILD_TYPE KALMIRA_EXE ZIP SETUP_EXE"; exit 2; }
source_dir=$1
again=$2
toolchain=$3
build_type=$4
first=("$5" "$6" "$7")
here=$(dirname "$0")

start=$SECONDS
mkdir -p "$again"
if ! { cmake -S "$source_dir" -B "$again" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE="$build_type" \
         -DKALMIRA_TESTS=OFF > "$again/configure-output.log" 2>&1 &&
       cmake --build "$again" -j"$(nproc)" --target kalmira setup > "$again/build-output.log" 2>&1 &&
       bash "$here/../bench/pack_release.sh" "$again/release" "$again/$(basename "$6")" > /dev/null; }; then
  cat "$again/configure-output.log" "$again/build-output.log"
  echo "the second build in $again failed"
  exit 1
fi
second=("$again/kalmira.exe" "$again/$(basename "$6")" "$again/$(basename "$7")")

status=0
for i in 0 1 2; do
  a=$(sha256sum < "${first[$i]}" | cut -d' ' -f1)
  b=$(sha256sum < "${second[$i]}" | cut -d' ' -f1)
  if [ "$a" = "$b" ]; then
    echo "  ok    $(basename "${first[$i]}") $a"
  else
    echo "  FAIL  $(basename "${first[$i]}") differs: $a in ${first[$i]}, $b in ${second[$i]}"
    cmp -l "${first[$i]}" "${second[$i]}" | head -n 5
    status=1
  fi
done
echo "release built again in $again in $((SECONDS - start)) s: $([ $status -eq 0 ] && echo same bytes || echo different)"
exit $status
