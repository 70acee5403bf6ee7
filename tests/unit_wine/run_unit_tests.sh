#!/usr/bin/env bash
# Runs the cross-built engine tests under Wine, in the bench's prefix (BUILD_DIR/wineprefix).
# Usage: run_unit_tests.sh ENGINE_TESTS_EXE BUILD_DIR
set -uo pipefail
[ $# -eq 2 ] || { echo "usage: run_unit_tests.sh ENGINE_TESTS_EXE BUILD_DIR" >&2; exit 2; }
tests=$1
build=$2
source "$(dirname "$0")/../bench/wine_session.sh"
wine_session_start "$build" || exit 1
trap wine_session_stop EXIT
# GoogleTest's summary carries the result; the exit status alone would also pass a crash of Wine
# before any test ran, so both must say so.
log=$(mktemp)
timeout 600 wine "$tests" --gtest_brief=1 | tr -d '\r' | tee "$log"
status=${PIPESTATUS[0]}
summary=$(grep -E '^\[  PASSED  \] [0-9]+ tests?\.$' "$log")
rm -f "$log"
[ "$status" -eq 0 ] && [ -n "$summary" ]
