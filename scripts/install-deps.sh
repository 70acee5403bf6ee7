#!/usr/bin/env bash
# Installs the Debian packages a part of the project needs, when they are missing.
# Usage: scripts/install-deps.sh [engine] [windows]
set -euo pipefail

engine_packages=(cmake make g++ libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
                 hunspell hunspell-cs hunspell-sk perl libc-bin)
windows_packages=(g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386 fonts-wine xvfb imagemagick zip unzip file)

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

wanted=()
for group in "$@"; do
  case $group in
    engine) wanted+=("${engine_packages[@]}") ;;
    windows) wanted+=("${windows_packages[@]}") ;;
    *) echo "install-deps: unknown group $group" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" > /dev/null
