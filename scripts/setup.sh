#!/usr/bin/env bash
# Installs the Debian packages that building and testing tq58 need (run as root).
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  g++-mingw-w64-x86-64
  libgtest-dev libgmock-dev libbenchmark-dev
  wine64 xvfb xdotool imagemagick fonts-ipafont-gothic
  clang libclang-rt-14-dev
  hyperfine
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
else
  echo "setup: all packages present"
fi
