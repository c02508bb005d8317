#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Usage: scripts/deps.sh [extra-package ...]
set -euo pipefail
pkgs=(g++ cmake make pkg-config liberfa-dev libgtest-dev libbenchmark-dev libswe-dev
      qt6-base-dev libgif-dev fonts-wqy-microhei fonts-dejavu-core desktop-file-utils appstream
      python3-icalendar  # tests only: reads the calendar files the program writes
      dpkg-dev file lintian  # the Debian package: dpkg-shlibdeps and file for CPack, lintian to check it
      xvfb xdotool x11-utils trayer imagemagick  # tests only: the panel icon in a real XEmbed tray
      "$@")
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
