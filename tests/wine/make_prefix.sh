#!/usr/bin/env bash
# Makes the Wine prefix that the tests of the Windows program share, fresh for each test run.
set -euo pipefail
prefix=$1
rm -rf "$prefix"
mkdir -p "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
# Waits until the prefix is written out completely and Wine's server has ended.
/usr/lib/wine/wineserver -w
