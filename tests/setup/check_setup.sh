#!/usr/bin/env bash
# The set-up script's decisions without a network: apt-get, dpkg and dpkg-query are stand-ins
# that keep the "installed" packages as files and fail what each case says.
#
#   check_setup.sh SETUP_SCRIPT
set -u
setup=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

mkdir -p "$work/bin"
cat >"$work/bin/dpkg-query" <<'STAND_IN'
#!/usr/bin/env bash
# dpkg-query -W -f=FORMAT PACKAGE
[ -e "$FAKE_STATE/${!#}" ] && printf 'install ok installed'
STAND_IN
cat >"$work/bin/dpkg" <<'STAND_IN'
#!/usr/bin/env bash
[ "$1" = --print-foreign-architectures ] && echo i386
exit 0
STAND_IN
cat >"$work/bin/apt-get" <<'STAND_IN'
#!/usr/bin/env bash
# Fails `update` with FAKE_FAIL_UPDATE; an install that names a package of FAKE_FAIL_PACKAGES
# installs nothing, as apt does when it cannot resolve one of them.
if [ "$1" = update ]; then
  [ -z "${FAKE_FAIL_UPDATE:-}" ] || { echo "E: File has unexpected size. Mirror sync in progress?"; exit 100; }
  exit 0
fi
packages=()
for argument in "$@"; do
  case $argument in install | -*) ;; *) packages+=("$argument") ;; esac
done
for package in "${packages[@]}"; do
  for failing in ${FAKE_FAIL_PACKAGES:-}; do
    [ "$package" = "$failing" ] && { echo "E: Unable to install $package"; exit 100; }
  done
done
for package in "${packages[@]}"; do touch "$FAKE_STATE/$package"; done
STAND_IN
chmod +x "$work/bin"/*

# run_case NAME EXPECTED_STATUS EXPECTED_TEXT... with FAKE_* set by the caller
run_case() {
  local name=$1 expected_status=$2
  shift 2
  rm -rf "$work/state" && mkdir "$work/state"
  local output status
  output=$(PATH="$work/bin:$PATH" FAKE_STATE="$work/state" TQ58_SETUP_RETRY_PAUSE=0 \
    bash "$setup" 2>&1)
  status=$?
  echo "--- $name (exit status $status)"
  echo "$output"
  local ok=1
  [ "$status" -eq "$expected_status" ] || ok=
  local text
  for text in "$@"; do
    grep -qF -- "$text" <<<"$output" || { echo "missing: $text"; ok=; }
  done
  if [ -z "$ok" ]; then
    echo "FAILED: $name"
    failures=$((failures + 1))
  fi
}

FAKE_FAIL_UPDATE=1 FAKE_FAIL_PACKAGES= run_case "update fails: goes on" 0 \
  "trying again in 0 s" "warning: apt-get update failed twice" "setup: done"
[ -e "$work/state/cmake" ] && [ -e "$work/state/wine32:i386" ] || {
  echo "FAILED: not everything installed after a failed update"
  failures=$((failures + 1))
}

FAKE_FAIL_UPDATE= FAKE_FAIL_PACKAGES="wine32:i386" run_case "wine32 fails: warns" 0 \
  "setup: wine32:i386 could not be installed: the tests of the 32-bit Windows program will skip" \
  "setup: done"
[ -e "$work/state/qemu-user-static" ] || {
  echo "FAILED: the other packages were not installed one by one"
  failures=$((failures + 1))
}

FAKE_FAIL_UPDATE=1 FAKE_FAIL_PACKAGES="cmake libgtest-dev" run_case "required fails: stops" 1 \
  "error: required packages could not be installed: cmake libgtest-dev (apt-get update failed"

echo "$((3 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
