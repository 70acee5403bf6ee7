#!/usr/bin/env bash
# Runs the Windows bench against the real kalmira.exe under Wine, in a display (Xvfb) and a Wine
# prefix of its own (WINE_DIR/wineprefix), once with a Central European locale and once with a
# Western one; the two splash screenshots must be identical. The layout suite runs at 96, 120 and 144
# DPI in both. Screenshots go to SHOTS (by default
# WINE_DIR/screenshots) as PNG.
# The layout suite (in both locales) and the dialog suite compare every result with what the console
# tool KALMIRA_TEXT (the engine built for Linux) shows for the same input; the real-input suite
# works the program with the keyboard and the mouse.
# Usage: run_bench.sh KALMIRA_EXE BENCH_EXE MINIMAL_EXE WINE_DIR KALMIRA_TEXT [SHOTS]
set -uo pipefail
exe=$1
bench=$2
minimal=$3
build=$4
tool=$5
shots=${6:-$build/screenshots}
here=$(dirname "$0")
mkdir -p "$shots"
# Each suite's limit: several times what it takes here, for the emulated path (Wine's 32-bit loader
# through QEMU), which runs several times slower; the splash's includes a first start in a new
# prefix, which builds Wine's font cache.
splash_limit=120
layout_limit=120
# The dialog suite's grows with its cycles: about a second for every ten here.
dialogs_limit=$((120 + ${KALMIRA_BENCH_CYCLES:-200} / 2))
input_limit=120
tour_limit=60
coldstart_limit=60

source "$here/wine_session.sh"
wine_session_start "$build" || exit 1
trap wine_session_stop EXIT

passed=0
failed=0
tally() {  # adds the counts of a "...: N passed, M failed" line
  local line
  line=$(grep -E '^[a-z ]+: [0-9]+ passed, [0-9]+ failed$' "$1" | tail -n 1)
  if [ -z "$line" ]; then failed=$((failed + 1)); return; fi
  passed=$((passed + $(sed -E 's/.*: ([0-9]+) passed.*/\1/' <<< "$line")))
  failed=$((failed + $(sed -E 's/.* ([0-9]+) failed$/\1/' <<< "$line")))
}
check() {  # description, then the condition as a command
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); echo "  ok    $what"; else failed=$((failed + 1)); echo "  FAIL  $what"; fi
}

# Runs one suite of the bench: heading, locale, limit in seconds, then the bench's arguments. Each
# step of a suite fails as soon as the program shows something else than it waits for; the limit
# only stops a suite that hangs where nothing can be seen.
suite() {
  local heading=$1 locale=$2 limit=$3 started=$SECONDS
  shift 3
  echo "== $heading"
  LC_ALL=$locale timeout -k 10 "$limit" wine "$bench" "$@" 2>/dev/null | tr -d '\r' | tee "$log"
  if [ "${PIPESTATUS[0]}" -eq 124 ]; then
    echo "  FAIL  the suite ran past its limit of $limit s"
    # The program it was working may still be up, in the way of the next suite's clicks.
    wineserver -k > /dev/null 2>&1
  fi
  tally "$log"
  echo "  ($((SECONDS - started)) s)"
}

win_exe=$(winepath -w "$exe")
win_shots=$(winepath -w "$shots")
log=$(mktemp)
for run in central-european:sk_SK.UTF-8 western:en_US.UTF-8; do
  suite "splash, ${run%%:*} locale (${run##*:})" "${run##*:}" "$splash_limit" splash "$win_exe" "$win_shots" "${run%%:*}"
done
check "the splash looks the same in both locales" cmp -s "$shots/splash-central-european.bmp" "$shots/splash-western.bmp"

# What the console tool shows for each request of a list, one paragraph a line (no terminal
# width to wrap at), as LIST/N.txt; the bench compares every result box with it.
expected=$build/bench-expected
rm -rf "$expected"
expect() {  # list
  local n=0 type day month year
  mkdir -p "$expected/$(basename "$1" .txt)"
  while read -r type day month year; do
    case $type in ''|'#'*) continue ;; esac
    n=$((n + 1))
    COLUMNS=1000000 "$tool" "$type" "$day" "$month" "$year" > "$expected/$(basename "$1" .txt)/$n.txt"
  done < "$1"
}
expect "$here/results.txt"
expect "$here/signs.txt"

# The layout suite at 96, 120 and 144 DPI (Wine 8 scales dialogs by their font, as Windows XP to 8 do
# for a program that declares no DPI awareness), with one sample road's screenshots in SHOTS/DPI-TAG/.
for dpi in 96 120 144; do
  wine_prefix_dpi "$dpi" && wine_session_restart
  export KALMIRA_BENCH_DPI=$dpi
  for run in central-european:sk_SK.UTF-8 western:en_US.UTF-8; do
    suite "layout, ${run%%:*} locale (${run##*:}), $dpi DPI" "${run##*:}" "$layout_limit" layout "$win_exe" \
      "$(winepath -w "$here/signs.txt")" "$(winepath -w "$expected/signs")"
    grep -q 'this Wine stretches' "$log" && continue
    mkdir -p "$shots/$dpi-${run%%:*}"
    suite "sample road, ${run%%:*} locale, $dpi DPI" "${run##*:}" "$tour_limit" tour "$win_exe" \
      "$(winepath -w "$shots/$dpi-${run%%:*}")"
    for bmp in "$shots/$dpi-${run%%:*}"/*.bmp; do
      [ -f "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
    done
  done
done
unset KALMIRA_BENCH_DPI
wine_prefix_dpi 96 && wine_session_restart

# The leak proof opens and closes each dialog 200 times (KALMIRA_BENCH_CYCLES sets another count).
suite dialogs en_US.UTF-8 "$dialogs_limit" dialogs "$win_exe" "$win_shots" "$(winepath -w "$here/results.txt")" \
  "$(winepath -w "$expected/results")" "${KALMIRA_BENCH_CYCLES:-200}"
suite "real input" sk_SK.UTF-8 "$input_limit" input "$win_exe"

for bmp in "$shots"/*.bmp; do
  [ -f "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done

suite "cold start" sk_SK.UTF-8 "$coldstart_limit" coldstart "$win_exe" "$(winepath -w "$minimal")"
rm -f "$log"

echo "wine bench: $passed passed, $failed failed"
test "$failed" -eq 0
