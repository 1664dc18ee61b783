#!/usr/bin/env bash
# Finds out once per test run whether this machine runs the 32-bit Windows program under
# Wine, and writes the verdict for the tests of that program: "runs", or why it cannot.
# Some kernels execute no 32-bit program at all; there those tests skip with the reason.
# TQ58_SKIP_32BIT=1 gives the "cannot" verdict on any machine, to exercise the skip path.
#
#   probe_x86_wine.sh X86_PROGRAM WINEPREFIX VERDICT_FILE
set -u
program=$1
prefix=$2
verdict=$3
loader32=/usr/lib/wine/wine

decide() {
  printf '%s\n' "$1" >"$verdict"
  echo "32-bit Wine: $1"
  exit 0
}

[ -z "${TQ58_SKIP_32BIT:-}" ] || decide "TQ58_SKIP_32BIT is set"
[ -x "$loader32" ] || decide "wine32:i386 is not installed (no $loader32; see scripts/setup.sh's output)"
if ! error=$("$loader32" --version 2>&1 >/dev/null); then
  decide "this kernel runs no 32-bit program: ${error##*: }"
fi
[ -f "$program" ] || decide "runs"  # the tests themselves report a missing program

# A trivial transformation: no exchange file, so the program writes one with no command.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$program" "$folder/tq58.exe"
(cd "$folder" && WINEPREFIX=$prefix WINEDEBUG=-all timeout 120 /usr/lib/wine/wine64 tq58.exe 1 \
  >/dev/null 2>&1)
status=$?
[ "$status" -eq 0 ] && [ -f "$folder/JWC_TEMP.TXT" ] ||
  decide "the 32-bit program does not run under Wine here (exit status $status)"
decide "runs"
