#!/usr/bin/env bash
# Installs the Debian packages a part of the project needs, when they are missing.
# Usage: scripts/install-deps.sh [engine] [windows]
set -euo pipefail

engine_packages=(cmake make g++ libgtest-dev libbenchmark-dev clang libclang-rt-dev
                 hunspell hunspell-cs hunspell-sk perl libc-bin)
windows_packages=(g++-mingw-w64-i686 binutils-mingw-w64-i686 googletest wine wine32:i386 fonts-wine xvfb imagemagick
                  zip unzip file nsis)

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
# Nothing may wait for an answer: no debconf questions, no change log or restart prompts, and a
# changed configuration file keeps the machine's version. The environment goes through env, past
# sudo's env_reset.
apt_get() {
  $sudo env DEBIAN_FRONTEND=noninteractive APT_LISTCHANGES_FRONTEND=none NEEDRESTART_MODE=a \
    apt-get -y -q -o Dpkg::Options::=--force-confdef -o Dpkg::Options::=--force-confold "$@" < /dev/null
}

wanted=()
for group in "$@"; do
  case $group in
    engine) wanted+=("${engine_packages[@]}") ;;
    windows) wanted+=("${windows_packages[@]}") ;;
    *) echo "install-deps: unknown group $group" >&2; exit 2 ;;
  esac
done

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

install_missing() {  # [--target-release=SUITE] packages
  local options=() missing=() package
  case ${1:-} in --*) options=("$1"); shift ;; esac
  for package in "$@"; do
    installed "$package" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  if printf '%s\n' "${missing[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386 < /dev/null
  fi
  apt_get -qq update
  apt_get -qq install --no-install-recommends "${options[@]}" "${missing[@]}" > /dev/null
}

# Wine's loader for 32-bit programs is itself a 32-bit Linux program. Where the kernel runs no 32-bit
# code (some virtual machines switch IA-32 emulation off), QEMU's user-mode emulator runs it,
# registered for 32-bit x86 ELF files through binfmt_misc, and the 64-bit Wine server serves it
# natively. Wine probes its address space with MAP_FIXED_NOREPLACE: QEMU 7 ignores that flag, and
# each Wine process then takes most of a minute to start; QEMU 8 and later honour it. A release
# whose own QEMU is older gets it from that release's backports.
runs_i386() { /usr/lib/wine/wine --version > /dev/null 2>&1; }

# The archive this machine already installs Debian from, as "URI<tab>KEYRING": the first source of
# SUITE in the apt sources (deb822 .sources files and one-line .list files alike), so that the
# project itself names no server. Prints nothing when no source has that suite.
debian_source_of() {  # suite
  local files=() file
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do [ -f "$file" ] && files+=("$file"); done
  if [ ${#files[@]} -gt 0 ]; then
    awk -v suite="$1" '
      $1 == "deb" {
        i = 2; keyring = ""
        if ($i ~ /^\[/) {
          for (; i <= NF; i++) {
            if ($i ~ /signed-by=/) { keyring = $i; sub(/.*signed-by=/, "", keyring); sub(/\]$/, "", keyring) }
            if ($i ~ /\]$/) break
          }
          i++
        }
        if ($(i + 1) == suite) { print $i "\t" keyring; exit }
      }' "${files[@]}"
  fi
  files=()
  for file in /etc/apt/sources.list.d/*.sources; do [ -f "$file" ] && files+=("$file"); done
  if [ ${#files[@]} -gt 0 ]; then
    awk -v suite="$1" '
      BEGIN { RS = ""; FS = "\n" }
      {
        types = uris = suites = keyring = ""
        for (i = 1; i <= NF; i++) {
          line = $i
          if (line ~ /^#/) continue
          field = tolower(line); sub(/:.*/, "", field); sub(/^[^:]*:[ \t]*/, "", line)
          if (field == "types") types = line
          else if (field == "uris") uris = line
          else if (field == "suites") suites = line
          else if (field == "signed-by") keyring = line
        }
        if ((" " types " ") ~ / deb / && (" " suites " ") ~ (" " suite " ")) {
          split(uris, uri, /[ \t]+/)
          print uri[1] "\t" keyring
          exit
        }
      }' "${files[@]}"
  fi
}

# Adds RELEASE-backports, from the same archive as RELEASE, to the apt sources.
add_backports() {  # release
  local suite=$1-backports
  grep -rqs -- "$suite" /etc/apt/sources.list /etc/apt/sources.list.d/ && return 0
  local source uri keyring
  source=$(debian_source_of "$1" | head -n 1)
  uri=${source%%$'\t'*}
  keyring=${source#*$'\t'}
  if [ -z "$uri" ]; then
    echo "install-deps: no apt source for $1 found to take $suite from." >&2
    echo "  Add $suite to the apt sources (see the Debian backports instructions), then run" >&2
    echo "  this command again." >&2
    return 1
  fi
  case $keyring in /*) ;; *) keyring=/usr/share/keyrings/debian-archive-keyring.gpg ;; esac
  printf '%s\n' "Types: deb" "URIs: $uri" "Suites: $suite" "Components: main" "Signed-By: $keyring" |
    $sudo tee "/etc/apt/sources.list.d/$suite.sources" > /dev/null
  apt_get -qq update
}

# The major version of the QEMU that apt would install from the given suite (empty: the default).
qemu_candidate_major() {  # [suite]
  apt-cache policy ${1:+-t "$1"} qemu-user 2> /dev/null |
    sed -n -E 's/^ *Candidate: ([0-9]+:)?([0-9]+)\..*/\2/p'
}

enable_i386_emulation() {
  runs_i386 && return 0
  echo "this kernel runs no 32-bit programs: running Wine's 32-bit side through QEMU"
  apt_get -qq update
  local major release
  major=$(qemu_candidate_major)
  if [ "${major:-0}" -lt 8 ]; then
    release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [ -n "$release" ] || { echo "install-deps: this release's QEMU is too old and its name is unknown" >&2; return 1; }
    add_backports "$release" || return 1
    install_missing --target-release="$release-backports" qemu-user
  else
    install_missing qemu-user
  fi
  install_missing wine64
  local binfmt=/proc/sys/fs/binfmt_misc
  [ -e "$binfmt/register" ] || $sudo mount -t binfmt_misc binfmt_misc "$binfmt"
  [ -e "$binfmt/kalmira-i386" ] && echo -1 | $sudo tee "$binfmt/kalmira-i386" > /dev/null
  local qemu
  qemu=$(command -v qemu-i386 || command -v qemu-i386-static)
  printf '%s' ':kalmira-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'\
':\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$qemu:F" |
    $sudo tee "$binfmt/register" > /dev/null
  runs_i386 || { echo "install-deps: 32-bit programs still do not run" >&2; return 1; }
}

install_missing "${wanted[@]}"
case " $* " in *" windows "*) enable_i386_emulation ;; esac
