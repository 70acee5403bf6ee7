#!/usr/bin/env bash
# The console tool's contract: output streams, exit codes, raw bytes and usage errors.
set -uo pipefail
tool=$1
passed=0
failed=0
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

check() {  # description, then the condition as a command
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $what"
    echo "  stdout: $(head -c 300 "$out")"
    echo "  stderr: $(head -c 300 "$err")"
  fi
}
run() { "$tool" "$@" > "$out" 2> "$err"; status=$?; }
cp1250() { printf '%s' "$1" | iconv -f UTF-8 -t CP1250; }

run 0 5 9 1980
check "a valid request exits 0" test $status -eq 0
check "the title comes first" test "$(head -n 1 "$out")" = "Európsky horoskop (5. 9. 1980)"
check "then the Virgo's text" grep -q '^Panna$' "$out"
check "the fact sheet is readable" grep -q '^Povaha: melancholická$' "$out"
check "nothing on stderr" test ! -s "$err"

COLUMNS=40 run 0 10 8 1975
check "lines are wrapped to the terminal width" test "$(perl -CSD -ne 'chomp; $m = length if length > $m; END { print $m }' "$out")" -le 40

run --raw 0 5 9 1980
check "--raw: the title in code page 1250, one newline" cmp -s <(head -n 1 "$out") <(cp1250 "Európsky horoskop (5. 9. 1980)"; echo)
check "--raw: the text's exact bytes follow, no newline" test "$(tail -n +2 "$out" | wc -c)" -eq 1824
check "--raw: the text begins with the heading and its runs" cmp -s <(tail -n +2 "$out" | head -c 157) <(printf 'Panna%152s' '')

run 3 15 8 1980
check "Egyptian: exit 0" test $status -eq 0
check "Egyptian: the title" test "$(head -n 1 "$out")" = "Egyptský horoskop (15. 8. 1980)"
check "Egyptian: Toth's text" grep -q '^Toth$' "$out"
run --raw 3 15 8 1980
check "Egyptian --raw: Toth is 1820 bytes" test "$(tail -n +2 "$out" | wc -c)" -eq 1820
check "Egyptian --raw: the heading, 39 spaces and the pad" cmp -s <(tail -n +2 "$out" | head -c 166) <(printf 'Toth%162s' '')
run --unchecked 3 31 2 1980
check "Egyptian: 31 February is Amon - Ra" test "$(head -n 1 "$out")" = "Amon - Ra"
run 3 5 -1 1980
check "Egyptian: month -1 gives the not-found text" grep -q '^Nastala chyba nemôžem nájsť tvoje znamenie$' "$out"

run 4 1 5 1980
check "Indian: exit 0" test $status -eq 0
check "Indian: the title" test "$(head -n 1 "$out")" = "Indiánsky horoskop (1. 5. 1980)"
check "Indian: the Bobr's text" grep -q '^Bobr$' "$out"
check "Indian: the first passage's labels" grep -q 'Lidi narozené mezi 20. dubnem a 20. květnem zveme v názvosloví indiánského' "$out"
run --raw 4 1 5 1980
check "Indian --raw: the Bobr is 3608 bytes" test "$(tail -n +2 "$out" | wc -c)" -eq 3608
check "Indian --raw: tabs stand between the passages" test "$(tail -n +2 "$out" | tr -cd '\t' | wc -c)" -eq 44
run --unchecked 4 -1 3 1980
check "Indian: a negative day in March is Vlk" test "$(head -n 1 "$out")" = "Vlk"
run 4 5 -1 1980
check "Indian: month -1 gives the not-found text" grep -q '^Nastala chyba nemôžem nájsť tvoje znamenie$' "$out"
run 2 1 3 1980
check "type 2: the seasonal periods' title" test "$(head -n 1 "$out")" = "Cyklický horoskop (1. 3. 1980)"
check "type 2: the period's heading" grep -q '^Doba obnovy$' "$out"
run --raw 2 1 3 1980
check "--raw type 2: the text's exact bytes" test "$(tail -n +2 "$out" | wc -c)" -eq 2790
check "--raw type 2: the runs' tabs as stored" test "$(tail -n +2 "$out" | tr -cd '\t' | wc -c)" -eq 32
run --unchecked 2 -5 1 1
check "--unchecked type 2: a negative day" test "$(head -n 1 "$out")" = "Doba hlubokého spánku"

run 5 1 1 1980
check "type 5: the short European title" test "$(head -n 1 "$out")" = "Európsky krátky horoskop (1. 1. 1980)"
check "type 5: the sign's heading" grep -q '^Kozorožec$' "$out"
run --raw 5 1 1 1980
check "--raw type 5: the text's exact bytes" test "$(tail -n +2 "$out" | wc -c)" -eq 259
check "--raw type 5: the heading runs straight into the pad" \
  cmp -s <(tail -n +2 "$out" | head -c 165) <(cp1250 "Kozorožec"; printf '%156s' '')
check "--raw type 5: the text reads on in lower case after the pad" \
  grep -q '^[a-z]' <(tail -n +2 "$out" | tail -c +166)
run --unchecked --raw 5 1 -1 1980
check "--unchecked type 5: month -1" cmp -s "$out" <(cp1250 "Nastala chyba nemôžem nájsť tvoje znamenie")

run -1 "" "" ""
check "nothing selected: exit 1" test $status -eq 1
check "nothing selected: the message on stderr" test "$(cat "$err")" = "Nevybral si typ horoskopu"
check "a failure prints nothing on stdout" test ! -s "$out"

run 0 5 "" 1980
check "an empty field" test "$(cat "$err")" = "Nevyplnil si správne dátum narodenia"
run 0 ab 9 1980
check "a day that is no number" test "$(cat "$err")" = "Nesprávna hodnota dňa"
run 0 5 13 1980
check "month 13" test "$(cat "$err")" = "Nesprávna hodnota mesiaca"
run 0 5 9 199999
check "a six-digit year is read by its first five" test "$(cat "$err")" = "Nesprávne zadaný rok narodenia"
run 0 123 2 1980
check "a three-digit day is read by its first two" test "$(head -n 1 "$out")" = "Európsky horoskop (12. 2. 1980)"
run 0 5 -1 1980
check "month -1 passes and gives the not-found text" grep -q '^Nastala chyba nemôžem nájsť tvoje znamenie$' "$out"

run --unchecked --raw 0 1 13 2100
check "--unchecked reaches month 13" cmp -s "$out" <(cp1250 "Nastala chyba nemôžem nájsť tvoje znamenie")
run --unchecked 0 -5 4 1
check "--unchecked prints the text only" test "$(head -n 1 "$out")" = "Baran"
run --unchecked 0 1 x 1980
check "--unchecked wants whole numbers" test $status -eq 2
run --unchecked 0 1 99999999999 1980
check "--unchecked wants 32-bit numbers" test $status -eq 2
run --unchecked -1 1 1 1980
check "--unchecked wants a type" test $status -eq 2

run 1 5 9 1980
check "Chinese: a valid request exits 0" test $status -eq 0
check "Chinese: the title" test "$(head -n 1 "$out")" = "Čínsky horoskop (5. 9. 1980)"
check "Chinese: 1980 is a Monkey year" grep -q '^OPICE$' "$out"
check "Chinese: the lucky data is readable" grep -q '^Příznivý den: pondělí$' "$out"
run --raw 1 31 12 1903
check "Chinese --raw: the Rabbit's exact bytes" test "$(tail -n +2 "$out" | wc -c)" -eq 1426
check "Chinese --raw: the heading and its runs" cmp -s <(tail -n +2 "$out" | head -c 160) <(cp1250 "KRÁLIK"; printf '%153s' ''; printf 'J')
run 1 1 1 2006
check "Chinese: the compute command still stops at 2005" test "$(cat "$err")" = "Nesprávne zadaný rok narodenia"
run --unchecked --raw 1 1 1 2019
check "--unchecked: 2019 is the last year, a Pig" cmp -s <(head -c 5 "$out") <(printf PRASE)
run --unchecked --raw 1 1 1 2020
check "--unchecked: 2020 gives the Chinese message" cmp -s "$out" <(cp1250 "Chyba zle zadaný rok narodenia")
run --unchecked 1 -3 -1 1899
check "--unchecked: 1899 gives the message as its one paragraph" test "$(cat "$out")" = "Chyba zle zadaný rok narodenia"
run --unchecked --raw 1 1 1 -2147483648
check "--unchecked: the lowest year gives the message" cmp -s "$out" <(cp1250 "Chyba zle zadaný rok narodenia")

run 6 1 1 1980
check "type out of range" test $status -eq 2
run x 1 1 1980
check "type that is no number" test $status -eq 2
run 0 1 1
check "missing arguments" test $status -eq 2
check "usage on stderr" grep -q '^usage:' "$err"
run 0 1 1 1980 5
check "too many arguments" test $status -eq 2
run --bogus 0 1 1 1980
check "unknown option" test $status -eq 2
run --help
check "--help exits 0 with the usage" test $status -eq 0
check "--help prints the usage on stdout" grep -q '^usage:' "$out"

# An argument that is not UTF-8 is refused wherever it stands, with or without --raw and
# --unchecked: an overlong "5", a surrogate, a value above U+10FFFF, a sequence cut short.
refused() {  # the argument's name in the message
  test $status -eq 2 && test ! -s "$out" && test "$(cat "$err")" = "kalmira-text: $1 is not valid UTF-8"
}
names=(TYPE DAY MONTH YEAR)
for bad in $'\xC0\xB5' $'\xE0\x80\xB5' $'\xED\xA0\x80' $'\xF4\x90\x80\x80' $'5\xC3' $'\xE2\x82'; do
  for position in 0 1 2 3; do
    args=(0 5 9 1980)
    args[position]=$bad
    for mode in --raw --unchecked --; do
      run "$mode" "${args[@]}"
      check "$mode: ${names[position]} $(printf '%q' "$bad") is refused" refused "${names[position]}"
    done
  done
done
run 0 5 9 1980 $'\xFF'
check "a fifth argument that is not UTF-8 is named by its position" refused "argument 5"
run 0 $'\xF0\x9F\x98\x80' 9 1980
check "a well-formed character outside the code page still reaches the checks" \
  test "$(cat "$err")" = "Nesprávna hodnota dňa"

echo "kalmira-text: $passed passed, $failed failed"
test $failed -eq 0
