#!/usr/bin/env bash
# Builds kalmira.exe and runs it under Wine. With a display it opens the window; without one it
# runs the program in a virtual display (Xvfb), saves a screenshot and prints the PNG's path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build/windows -j"$(nproc)" --target kalmira > /dev/null
exe=$PWD/build/windows/kalmira.exe

if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX=$PWD/build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  exec wine "$exe"
fi

source tests/bench/wine_session.sh
wine_session_start "$PWD/build"
trap wine_session_stop EXIT
mkdir -p build/screenshots
wine "$exe" &
shot=$PWD/build/screenshots/run-splash.png
for i in $(seq 1 100); do  # wait for the splash to be painted
  sleep 0.2
  if import -window root -crop 550x350+100+150 +repage "$shot" 2> /dev/null &&
      [ "$(/usr/bin/convert "$shot" -format '%[pixel:p{300,200}]' info:)" = "srgb(250,241,232)" ]; then
    break
  fi
done
sleep 0.5
import -window root -crop 550x350+100+150 +repage "$shot"
echo "$shot"
