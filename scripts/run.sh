#!/usr/bin/env bash
# Builds the horoscope engine and shows a sample horoscope with the console tool.
# Any arguments go to kalmira-text instead of the sample (see kalmira-text --help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh engine
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j"$(nproc)" --target kalmira-text > /dev/null
if [ $# -gt 0 ]; then
  exec build/kalmira-text "$@"
fi
exec build/kalmira-text 0 5 9 1980
