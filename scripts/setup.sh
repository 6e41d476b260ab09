#!/usr/bin/env bash
# Installs what the build, the tests and the program need on a Debian machine.
set -euo pipefail
packages=(cmake ninja-build g++ make pkg-config googletest libgtest-dev libgmock-dev
  libcurl4-openssl-dev libcpp-httplib-dev libssl-dev openssl
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine64 xvfb xauth x11-utils fonts-wqy-zenhei imagemagick python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
