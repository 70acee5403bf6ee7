#!/usr/bin/env bash
# The release's read-me, citajma.txt: in the form Notepad shows right (UTF-8 with a byte-order mark,
# CRLF line ends), with the About box's author, contact, page and licence lines copied exactly, and
# the rest of its Slovak known to hunspell's sk_SK dictionary.
# Usage: check_citajma.sh CITAJMA_TXT KALMIRA_RC
set -uo pipefail
[ $# -eq 2 ] || { echo "usage: check_citajma.sh CITAJMA_TXT KALMIRA_RC" >&2; exit 2; }
readme=$1
rc=$2
status=0
fail() { echo "citajma.txt: $*"; status=1; }

[ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "does not start with a UTF-8 byte-order mark"
iconv -f UTF-8 -t UTF-8 "$readme" > /dev/null 2>&1 || fail "is not UTF-8"
[ "$(tail -c 2 "$readme" | od -An -tx1 | tr -d ' ')" = 0d0a ] || fail "does not end with CRLF"
bare=$(grep -c $'[^\r]$\|^$' "$readme")
[ "$bare" -eq 0 ] || fail "$bare lines end without CR"
text=$(sed -e '1s/^\xef\xbb\xbf//' -e 's/\r$//' "$readme")

# The About box's static texts after its title, as lines of the read-me.
about=$(sed -n '/^IDD_ABOUT DIALOGEX/,/^END/p' "$rc" | grep -oP 'CONTROL "\K(Autor|Email|Ofici|Free)[^"]*')
[ "$(wc -l <<< "$about")" -eq 4 ] || fail "found $(wc -l <<< "$about") of the About box's four lines in $rc"
while IFS= read -r line; do
  grep -qxF "$line" <<< "$text" || fail "lacks the About box's line \"$line\""
done <<< "$about"

# The copied lines aside, file names and addresses aside, and the program's name and "zip" known.
words=$(mktemp)
trap 'rm -f "$words"' EXIT
printf '%s\n' Kalmira zip > "$words"
unknown=$(grep -vxF -f <(printf '%s\n' "$about") <<< "$text" | sed -E 's/[^ ]*[.@][^ ]*[[:alnum:]]//g' |
  hunspell -d sk_SK -p "$words" -i utf-8 -l | sort -u)
[ -z "$unknown" ] || fail "words unknown to sk_SK: $(tr '\n' ' ' <<< "$unknown")"
[ $status -ne 0 ] || echo "citajma.txt: UTF-8 with BOM, CRLF, the About box's lines, every word known to sk_SK"
exit $status
