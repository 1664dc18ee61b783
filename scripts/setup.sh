#!/usr/bin/env bash
# Installs the Debian packages that building and testing tq58 need (run as root).
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  g++-mingw-w64-x86-64
  libgtest-dev libgmock-dev libbenchmark-dev libmpfr-dev
  wine64 xvfb xdotool imagemagick fonts-ipafont-gothic
  clang libclang-rt-14-dev
  hyperfine
)

# The 32-bit x86 Linux build and the emulator that runs it on any kernel.
packages+=(g++-i686-linux-gnu qemu-user-static)
# The release: the 32-bit build, Wine to run it, Python for the kit and preview checks.
packages+=(g++-mingw-w64-i686 wine32:i386 python3)
# wrestool, which reads the manifest built into each Windows program.
packages+=(icoutils)
# wine32 comes from the i386 architecture, which apt knows only once it is added.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

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
