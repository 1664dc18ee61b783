#!/usr/bin/env bash
# Makes the Wine prefix that the tests of the Windows program share, fresh for each test run.
set -euo pipefail
prefix=$1
export WINEPREFIX=$prefix WINEDEBUG=-all

# A Wine server still running for the previous prefix would go on serving the new one.
/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w >/dev/null 2>&1 || true
rm -rf "$prefix"
mkdir -p "$prefix"

log=$prefix.log
if ! /usr/lib/wine/wine64 wineboot -i >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi
# Waits until the prefix is written out completely and the server has ended.
/usr/lib/wine/wineserver -w
rm -f "$log"
