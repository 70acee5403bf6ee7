#!/usr/bin/env bash
# Builds kalmira.exe and runs it under Wine. With a display it opens the window; without one it
# starts the program in a virtual display (Xvfb), walks one sample request through it (splash,
# entry, result) with real keyboard and mouse input as a person would, saves the screenshots and
# prints their paths.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build/windows -j"$(nproc)" --target kalmira bench > /dev/null
exe=$PWD/build/windows/kalmira.exe

source tests/bench/wine_session.sh
if [ -n "${DISPLAY:-}" ]; then
  wine_prefix_setup "$PWD/build"
  exec wine "$exe"
fi

wine_session_start "$PWD/build"
trap wine_session_stop EXIT
shots=$PWD/build/screenshots
mkdir -p "$shots"
wine build/windows/tests/bench/bench.exe tour "$(winepath -w "$exe")" "$(winepath -w "$shots")" 2> /dev/null | tr -d '\r'
for bmp in "$shots"/run-*.bmp; do
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
  echo "${bmp%.bmp}.png"
done
