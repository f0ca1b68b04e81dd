#!/usr/bin/env bash
# Installs what building, running and testing need, from Debian's packages;
# with package names as arguments, those instead.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config python3 libgtest-dev googletest
          libwxgtk3.2-dev libgtk-3-dev xvfb xauth xdotool imagemagick strace fonts-ipafont-gothic fonts-ipafont-mincho)
[ $# -eq 0 ] || packages=("$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
fi
