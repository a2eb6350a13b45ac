#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need.
# Does nothing (and asks apt nothing) when every package is already present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev qt6-translations-l10n
  libharfbuzz-dev libjpeg62-turbo-dev libdeflate-dev libfontconfig-dev
  libexif-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-mincho fonts-ipafont-gothic fonts-klee fonts-kouzan-mouhitsu
  xvfb xauth xdotool
  fcitx5 fcitx5-mozc fcitx5-frontend-qt6 dbus-daemon dbus-bin
  poppler-utils qpdf
  desktop-file-utils appstream file
  clang-format
  cups cups-client printer-driver-cups-pdf qt6-l10n-tools libcups2-dev
)
if [ "${PELCOR_WITH_CLANG:-0}" = 1 ]; then packages+=(clang libclang-rt-14-dev); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
