#!/usr/bin/env bash
# Installs the Debian packages that building and testing tq58 need (run as root).
#
# A package mirror in the middle of a sync fails `apt-get update` for one index while every
# package still installs from the others, so a failed update is retried once and then only
# warned about. Every package that can be installed is. The required ones must install, or the
# script stops naming them; wine32:i386 is optional: without it the tests of the 32-bit Windows
# program skip with that reason, and everything else is still tested.
#
# TQ58_SETUP_RETRY_PAUSE: seconds between the two tries of `apt-get update` (default 30).
set -euo pipefail

# Without these nothing builds or some test cannot run.
required=(
  cmake g++ make pkg-config
  g++-mingw-w64-x86-64
  libgtest-dev libgmock-dev libbenchmark-dev libmpfr-dev
  wine64 xvfb xdotool imagemagick fonts-ipafont-gothic
  clang libclang-rt-14-dev
  hyperfine
)
# The 32-bit x86 Linux build and the emulator that runs it on any kernel.
required+=(g++-i686-linux-gnu qemu-user-static)
# The release's 32-bit build; Python for the kit and preview checks.
required+=(g++-mingw-w64-i686 python3)
# wrestool, which reads the manifest built into each Windows program.
required+=(icoutils)
# Wine for the 32-bit Windows program: its tests skip with a reason where it is missing.
optional=(wine32:i386)

retry_pause=${TQ58_SETUP_RETRY_PAUSE:-30}

is_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing_of() {
  local package
  for package in "$@"; do
    is_installed "$package" || printf '%s\n' "$package"
  done
}

# wine32 comes from the i386 architecture, which apt knows only once it is added.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

mapfile -t missing_required < <(missing_of "${required[@]}")
mapfile -t missing_optional < <(missing_of "${optional[@]}")
missing=("${missing_required[@]}" "${missing_optional[@]}")
if ((${#missing[@]} == 0)); then
  echo "setup: all packages present"
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
update_failed=
if ! apt-get update -qq; then
  echo "setup: apt-get update failed; trying again in ${retry_pause} s"
  sleep "$retry_pause"
  if ! apt-get update -qq; then
    update_failed=1
    echo "setup: warning: apt-get update failed twice (a package mirror in the middle of a" \
      "sync?); installing from the package lists at hand"
  fi
fi

echo "setup: installing ${missing[*]}"
if ! apt-get install -y -qq "${missing[@]}"; then
  # One package that cannot be had fails the whole call: install one at a time, so that
  # everything that can be installed is.
  for package in "${missing[@]}"; do
    apt-get install -y -qq "$package" || true
  done
fi

mapfile -t failed_required < <(missing_of "${missing_required[@]}")
mapfile -t failed_optional < <(missing_of "${missing_optional[@]}")
if ((${#failed_optional[@]})); then
  echo "setup: ${failed_optional[*]} could not be installed: the tests of the 32-bit Windows" \
    "program will skip"
fi
if ((${#failed_required[@]})); then
  cause="the package lists may be old or the mirror unreachable"
  [ -z "$update_failed" ] || cause="apt-get update failed, so the package lists may be old or incomplete"
  echo "setup: error: required packages could not be installed: ${failed_required[*]} ($cause)" >&2
  exit 1
fi
echo "setup: done"
