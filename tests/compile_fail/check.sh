#!/usr/bin/env bash
# Compiles each broken text and expects the build to fail with a message naming the piece.
set -uo pipefail
compiler=$1
root=$2
here=$(dirname "$0")
failed=0
expect() {  # source, then the strings its error must contain
  local source=$1
  shift
  local output
  if output=$("$compiler" -std=c++20 -fsyntax-only -I"$root" "$here/$source" 2>&1); then
    echo "FAILED: $source compiled"
    failed=1
    return
  fi
  for wanted in "$@"; do
    if ! grep -qF "$wanted" <<< "$output"; then
      echo "FAILED: the error for $source does not say: $wanted"
      echo "$output" | head -20
      failed=1
    fi
  done
}
expect wrong_length.cpp "Sample sign, description" "pieceIsNotLengthBytesButIs" "11"
expect wrong_composed_length.cpp "sampleDescription" "composedTextIsNotLengthBytesButIs" "15"
expect outside_code_page.cpp "Sample sign, fact sheet" "characterOutsideCodePage1250AtUtf8Byte"
expect overlong_utf8.cpp "Sample sign, lucky number" "malformedUtf8AtByte" "9"
test $failed -eq 0 && echo "broken texts stop the build"
exit $failed
