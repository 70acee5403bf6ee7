#!/usr/bin/env bash
# Tests the release under Wine, in a display and a Wine prefix of its own (under WORK_DIR): the
# file properties and the manifest of kalmira.exe, then an install through the setup's pages (whose
# finish page must start nothing), a silent install over it, a
# start from the Start menu, and a silent uninstall, after which the prefix's files and its
# Software registry must be as they were before the install.
# Usage: run_release.sh KALMIRA_EXE CITAJMA_TXT SETUP_EXE RELEASE_CHECK_EXE VERSION DISPLAY_VERSION WORK_DIR
set -uo pipefail
if [ $# -ne 7 ]; then
  echo "usage: run_release.sh KALMIRA_EXE CITAJMA_TXT SETUP_EXE RELEASE_CHECK_EXE VERSION DISPLAY_VERSION WORK_DIR"
  exit 2
fi
exe=$1
readme=$2
setup=$3
driver=$4
version=$5
display_version=$6
work=$7
here=$(dirname "$0")
mkdir -p "$work"

source "$here/../bench/wine_session.sh"
wine_session_start "$work" || exit 1
trap wine_session_stop EXIT
trap 'exit 1' INT TERM
# Shortcuts made in the prefix stay in the prefix: no menu entries on the Linux desktop.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
# One Wine server for the whole run: a server that ends and restarts rewrites the hardware and
# network keys, which would blur the before-and-after comparison. It waits a minute for the next
# program before it ends, so it also ends by itself should this script be killed.
wineserver -w
wineserver -p60

passed=0
failed=0
check() {  # description, then the condition as a command
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); echo "  ok    $what"; else failed=$((failed + 1)); echo "  FAIL  $what"; fi
}
drive() {  # runs the driver with the given arguments and adds up its checks
  local log
  log=$(mktemp)
  timeout 600 wine "$driver" "$@" 2> /dev/null | tr -d '\r' | tee "$log"
  local line
  line=$(grep -E '^release [a-z]+: [0-9]+ passed, [0-9]+ failed$' "$log" | tail -n 1)
  rm -f "$log"
  if [ -z "$line" ]; then failed=$((failed + 1)); echo "  FAIL  release_check $1 gave no result"; return; fi
  passed=$((passed + $(sed -E 's/.*: ([0-9]+) passed.*/\1/' <<< "$line")))
  failed=$((failed + $(sed -E 's/.* ([0-9]+) failed$/\1/' <<< "$line")))
}

# What the setup may touch: the files of drive C: and the Software branches of the registry
# (Wine's own per-session display parameters left out).
snapshot() {  # name
  local out=$work/snapshot-$1
  (cd "$WINEPREFIX/drive_c" && find . | LC_ALL=C sort) > "$out.files"
  : > "$out.reg"
  local hive
  for hive in 'HKLM\Software' 'HKCU\Software'; do
    wine reg export "$hive" "$work/export.reg" /y > /dev/null 2>&1 || echo "reg export $hive failed" >> "$out.reg"
    iconv -f UTF-16LE -t UTF-8 "$work/export.reg" | tr -d '\r' |
      awk '/^\[/ { skip = index($0, "\\Software\\Wine\\Temporary System Parameters") > 0 } !skip' >> "$out.reg"
  done
  rm -f "$work/export.reg"
}
same_as_before() {  # name of the snapshot to compare with the one taken before the install
  local files=0 keys=0
  diff -u "$work/snapshot-before.files" "$work/snapshot-$1.files" || files=1
  diff -u "$work/snapshot-before.reg" "$work/snapshot-$1.reg" || keys=1
  [ $files -eq 0 ] && [ $keys -eq 0 ]
}

win_exe=$(winepath -w "$exe")
echo "== file properties"
drive version "$win_exe" "$version"
echo "== manifest"
drive manifest "$win_exe" "$version"

if [ ! -f "$setup" ]; then
  echo "  FAIL  no setup program at $setup"
  echo "wine release: $passed passed, $((failed + 1)) failed"
  exit 1
fi

# The user's Temp as this Windows has it (Wine 8: users/NAME/Temp; Wine 10, like Windows since
# Vista: users/NAME/AppData/Local/Temp), as a path under drive C: the way the snapshots list files.
drive_c=$(realpath "$WINEPREFIX/drive_c")
temp_dir=$(realpath -m "$(winepath -u "$(wine cmd /c echo %TEMP% 2> /dev/null | tr -d '\r')" 2> /dev/null)")
case $temp_dir in
  "$drive_c"/*) temp_files=.${temp_dir#"$drive_c"} ;;
  *) echo "  FAIL  Wine names no Temp folder on drive C: (%TEMP% is ${temp_dir:-empty})"; exit 1 ;;
esac
echo "== the user's Temp is $temp_files"

# Left over from an earlier run that stopped half-way.
rm -rf "$WINEPREFIX/drive_c/Program Files/Kalmira" "$temp_dir"/~nsu*.tmp \
  "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kalmira horoskop.lnk"
wine reg delete 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalmira' /f > /dev/null 2>&1
wine reg delete 'HKLM\System\CurrentControlSet\Control\Session Manager' /v PendingFileRenameOperations /f \
  > /dev/null 2>&1
snapshot before

win_setup=$(winepath -w "$setup")
install() {  # a silent setup run, then everything it must have put in place
  echo "== $1"
  timeout 600 wine "$win_setup" /S
  check "the setup exits with 0" test $? -eq 0
  drive installed "$win_exe" "$(winepath -w "$readme")" "$display_version"
}
echo "== install through the setup's pages"
drive setup "$win_setup"
drive installed "$win_exe" "$(winepath -w "$readme")" "$display_version"
echo "== the installed program"
drive start
# As an earlier setup of this version left it: with the English README.md, which this one replaces.
echo "Kalmira" > "$WINEPREFIX/drive_c/Program Files/Kalmira/README.md"
install "silent install over the installed one"

echo "== silent uninstall"
drive uninstall
snapshot uninstalled
# The uninstaller's copy of itself in %TEMP% cannot delete itself while it runs: like Windows, it
# asks for its deletion at the next restart. Anything else left over is a fault.
leftover=$(diff "$work/snapshot-before.files" "$work/snapshot-uninstalled.files" | grep '^>' | sed 's/^> //')
temp_pattern=$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<< "$temp_files")
check "the only files left are the uninstaller's temporary copy in $temp_files" \
  test -z "$(grep -v -E "^$temp_pattern/~nsu[^/]*\.tmp(/Un[^/]*\.exe)?\$" <<< "$leftover")"
pending=$(wine reg query 'HKLM\System\CurrentControlSet\Control\Session Manager' /v PendingFileRenameOperations \
  2> /dev/null | tr -d '\r')
for path in $(grep -o 'Temp/~nsu.*' <<< "$leftover"); do
  check "${path#Temp/} is to be deleted at the next restart" grep -qF "${path//\//\\}\\0" <<< "$pending"
done
echo "== restart"
timeout 600 wine wineboot -r > /dev/null 2>&1
snapshot restarted
check "after the restart, files and Software keys are as before the install" same_as_before restarted

echo "wine release: $passed passed, $failed failed"
test "$failed" -eq 0
