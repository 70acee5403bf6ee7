#!/usr/bin/env bash
# Runs the cross-built engine tests and the shell's start-up test under Wine, in the bench's prefix (WINE_DIR/wineprefix).
# Usage: run_unit_tests.sh WINE_DIR TESTS_EXE...
set -uo pipefail
[ $# -ge 2 ] || { echo "usage: run_unit_tests.sh WINE_DIR TESTS_EXE..." >&2; exit 2; }
wine_dir=$1
shift
source "$(dirname "$0")/../bench/wine_session.sh"
wine_session_start "$wine_dir" || exit 1
trap wine_session_stop EXIT
# GoogleTest's summary carries the result; the exit status alone would also pass a crash of Wine
# before any test ran, so both must say so.
log=$(mktemp)
result=0
for tests in "$@"; do
  timeout 600 wine "$tests" --gtest_brief=1 | tr -d '\r' | tee "$log"
  status=${PIPESTATUS[0]}
  if [ "$status" -ne 0 ] || ! grep -qE '^\[  PASSED  \] [0-9]+ tests?\.$' "$log"; then
    echo "FAILED: $(basename "$tests") under Wine"
    result=1
  fi
done
rm -f "$log"
exit $result
