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
# The settings dialog asks for the font "ＭＳ ゴシック": IPAGothic stands in for it, and Tahoma,
# the title bar's font, falls back to it for the Japanese title. Wine's own Marlett draws the
# title bar's buttons. (reg takes its arguments in the locale's encoding: UTF-8.)
add_key() {
  if ! LANG=C.UTF-8 /usr/lib/wine/wine64 reg add "$@" /f >>"$log" 2>&1; then
    cat "$log" >&2
    exit 1
  fi
}
add_key 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /t REG_SZ /d IPAGothic
add_key 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
  /v Tahoma /t REG_MULTI_SZ /d 'ipag.ttf,IPAGothic'
if [[ -f /usr/share/wine/fonts/marlett.ttf ]]; then
  cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
fi
# Waits until the prefix is written out completely and the server has ended.
/usr/lib/wine/wineserver -w
rm -f "$log"
