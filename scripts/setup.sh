#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Baltor needs (only the missing ones), then configures and
# builds it with the default preset. Used by run.sh and test.sh.
# --sanitize: the sanitizer build instead (preset "sanitize", clang), with what it needs more.
# --programme: builds the program alone (not the tests and tools), as run.sh needs.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=default
plus=()
cible=()
if [ "${1:-}" = "--programme" ]; then
  cible=(--target baltor)
elif [ "${1:-}" = "--sanitize" ]; then
  preset=sanitize
  plus=(clang libclang-rt-14-dev)
fi

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl1-mesa-dev qt6-translations-l10n
  fonts-liberation fonts-dejavu-core
  # the spreadsheet export (libzip); the exported Python scripts are run by the tests
  libzip-dev python3-matplotlib
  # LibreOffice opens what Baltor writes (statements, spreadsheets) in the tests
  libreoffice-calc-nogui libreoffice-writer-nogui
  # checks of the desktop entry, the file types, the manual page and the Debian package
  desktop-file-utils appstream libxml2-utils groff-base dpkg-dev file
)
packages+=("${plus[@]}")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset"
cmake --build --preset "$preset" "${cible[@]}"
