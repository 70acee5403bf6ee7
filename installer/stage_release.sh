#!/usr/bin/env bash
# Copies the files the release ships (the program and its Slovak read-me) into STAGE_DIR, each with
# fixed permissions and the time of the commit it was built from, so that the zip and the setup
# program made from them are the same bytes on every machine and every day. Runs on every build
# (a new commit changes the time alone) and touches STAMP only when a staged file changed.
# The time is SOURCE_DATE_EPOCH when set; otherwise the last commit's time when SOURCE_DIR is a git
# checkout; otherwise the newest modification time of the sources.
# Usage: stage_release.sh SOURCE_DIR STAGE_DIR STAMP KALMIRA_EXE CITAJMA_TXT
set -euo pipefail
[ $# -eq 5 ] || { echo "usage: stage_release.sh SOURCE_DIR STAGE_DIR STAMP KALMIRA_EXE CITAJMA_TXT" >&2; exit 2; }
source_dir=$1
stage=$2
stamp=$3
exe=$4
readme=$5

epoch=${SOURCE_DATE_EPOCH:-}
if [ -z "$epoch" ]; then
  epoch=$(git -C "$source_dir" log -1 --format=%ct 2> /dev/null || true)
fi
if [ -z "$epoch" ]; then
  epoch=$(cd "$source_dir" && find CMakeLists.txt engine ui resources release -type f -printf '%T@\n' |
    sort -n | tail -n 1 | cut -d. -f1)
fi
mkdir -p "$stage"
changed=0
[ -f "$stamp" ] || changed=1
stage_file() {  # source, name in the release
  local to=$stage/$2
  if cmp -s "$1" "$to" && [ "$(stat -c %Y "$to")" = "$epoch" ]; then return; fi
  install -m 644 "$1" "$to"
  touch -d "@$epoch" "$to"
  changed=1
}
stage_file "$exe" kalmira.exe
stage_file "$readme" citajma.txt
[ $changed -eq 0 ] || touch "$stamp"
