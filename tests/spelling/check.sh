#!/usr/bin/env bash
# Spell check of every text the program shows: Czech and Slovak segments against hunspell's
# dictionaries and the project's reviewed word list. Fails on any word neither knows.
set -euo pipefail
dump=$1
words=$2
texts=$(mktemp)
list=$(mktemp)
trap 'rm -f "$texts" "$list"' EXIT
"$dump" > "$texts"
sed -e 's/#.*//' -e 's/[[:space:]]*$//' -e '/^$/d' "$words" > "$list"
status=0
for lang in cs:cs_CZ sk:sk_SK; do
  tag=${lang%%:*}
  dictionary=${lang##*:}
  unknown=$(grep -P "^$tag\t" "$texts" | cut -f2- | hunspell -d "$dictionary" -p "$list" -i utf-8 -l | sort -u)
  count=$(grep -cP "^$tag\t" "$texts" || true)
  if [ -n "$unknown" ]; then
    echo "words unknown to $dictionary and to $(basename "$words"):"
    echo "$unknown" | sed 's/^/  /'
    status=1
  else
    echo "$dictionary: $count segments, every word known"
  fi
done
exit $status
