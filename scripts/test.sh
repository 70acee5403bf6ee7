#!/usr/bin/env bash
# Runs every test: the engine's unit tests, the console tool, the spell check and the benchmark
# (build/), the engine's tests again under AddressSanitizer and UndefinedBehaviorSanitizer with a
# bounded fuzzing run (build/sanitize/), and the Windows program on its bench under Wine
# (build/windows/, screenshots in build/screenshots/) with the release, made by its target into
# build/: kalmira-VERSION.zip and kalmira-VERSION-setup.exe, whose SHA-256 sums it prints at the end.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh engine windows || exit 1

jobs=$(nproc)
passed=0
failed=0
status=0

# Runs ctest in a build tree and adds its counts to the totals.
run_suite() {
  local dir=$1
  local log
  log=$(mktemp)
  ctest --test-dir "$dir" --output-on-failure -j"$jobs" 2>&1 | tee "$log"
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    status=1
    failed=$((failed + 1))
  else
    local bad total
    bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<< "$line")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<< "$line")
    failed=$((failed + bad))
    passed=$((passed + total - bad))
    [ "$bad" -eq 0 ] || status=1
  fi
  rm -f "$log"
}

build() {  # build directory, then cmake options
  local dir=$1
  shift
  mkdir -p "$dir"
  cmake -S . -B "$dir" "$@" > "$dir/configure-output.log" 2>&1 &&
    cmake --build "$dir" -j"$jobs" > "$dir/build-output.log" 2>&1 || {
    cat "$dir/configure-output.log" "$dir/build-output.log"
    echo "build of $dir failed"
    return 1
  }
}

if build build -DCMAKE_BUILD_TYPE=Release -DKALMIRA_BENCHMARKS=ON; then
  run_suite build
else
  status=1
  failed=$((failed + 1))
fi

if build build/sanitize -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKALMIRA_SANITIZE=ON -DKALMIRA_FUZZ=ON -DKALMIRA_BENCHMARKS=OFF; then
  run_suite build/sanitize
else
  status=1
  failed=$((failed + 1))
fi

rm -f build/kalmira-*.sha256
# The Windows tree shares the run command's Wine prefix, takes the native build's console tool and
# puts the release beside both, in build/.
if build build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    -DKALMIRA_WINE_DIR="$PWD/build" -DKALMIRA_TEXT="$PWD/build/kalmira-text" -DKALMIRA_RELEASE_DIR="$PWD/build"; then
  run_suite build/windows
else
  status=1
  failed=$((failed + 1))
fi

# The release the Windows build made: the program, the portable zip and the setup program.
for sums in build/kalmira-*.sha256; do
  [ -f "$sums" ] && { echo; echo "release (build/):"; cat "$sums"; }
done

echo
echo "all suites: $passed passed, $failed failed"
exit $status
