#!/usr/bin/env bash
# Installs the Debian packages vorns needs to build, run, test and take its
# screenshot, when they are missing (Debian 12).
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgtest-dev libgmock-dev
          libbenchmark-dev fonts-liberation xvfb xauth "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "vorns: installing ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
