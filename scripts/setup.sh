#!/usr/bin/env bash
# Installs the Debian packages vorns needs to build, run, test (the
# accessibility tree is read over AT-SPI: a session bus, at-spi2-core and
# pyatspi), package and take its screenshot, when they are missing (Debian
# 12), and generates the French and German locales that the tests run under.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-serialport-dev libqcustomplot-dev qt6-qpa-plugins libgtest-dev libgmock-dev
          libbenchmark-dev libboost-dev fonts-liberation xvfb xauth locales qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
          dpkg-dev file desktop-file-utils appstream python3 poppler-utils dbus-daemon at-spi2-core python3-pyatspi "$@")
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "vorns: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The tests run the window and the number routines under these process locales
# (the run report's paper: A4 in French, Letter in US English).
for l in fr_FR de_DE en_US; do
  if ! locale -a 2>/dev/null | grep -qx "$l.utf8"; then
    echo "vorns: generating the locale $l.UTF-8"
    $SUDO localedef -i "$l" -f UTF-8 "$l.UTF-8"
  fi
done
