#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build Obrix (apt-get, as root or
# through sudo). Does nothing when everything is there.
set -euo pipefail

# qt6-tools-dev holds the CMake functions of the translation tools (Qt6LinguistTools),
# qt6-l10n-tools lupdate and lrelease, qt6-translations-l10n Qt's own qtbase_<lang>.qm;
# fonts-vlgothic (the smallest Debian font with Japanese glyphs) draws Japanese menus and names.
packages=(cmake g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-svg-dev libgl-dev strace
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-vlgothic
          desktop-file-utils appstream fonts-dejavu-core)
missing=()
# With the Windows build's (cmake --preset mingw): the MinGW-w64 cross compiler, and Wine to run its tests.
for p in "${packages[@]}" g++-mingw-w64-x86-64-posix wine64 wine; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
