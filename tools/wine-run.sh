#!/usr/bin/env bash
# Runs a Windows program of a build tree under wine64, as CMake's emulator for the cross build,
# in a wine prefix of that build tree's own (<build>/wineprefix), made on first use and only
# once: 96 dpi, SimSun standing in as AR PL UMing CN, a Song face whose 12-pixel line fits the
# window's 18-pixel boxes as SimSun's does (by its English name only, as a Windows whose locale
# is not Chinese knows it), and windows that no window manager manages (the test displays have
# none, and wine would wait two seconds for one at every window's close).
#   tools/wine-run.sh <program.exe> [arguments...]   runs it (PETCALC_WINE_DPI: 96, 120, ...)
#   tools/wine-run.sh --prepare <build-folder>       only makes the prefix
# Without a display it runs the program under xvfb-run. A program outside a build tree, or a
# folder that is not one, is refused: the prefix is only ever made inside a build tree.
set -euo pipefail

readonly wine=/usr/lib/wine/wine64
readonly wineserver=/usr/lib/wine/wineserver64
readonly substitute="AR PL UMing CN"

refuse() {
  echo "wine-run: $1" >&2
  exit 2
}

build_of() {
  local folder
  folder=$(dirname "$(realpath "$1")")
  while [[ ! -f $folder/CMakeCache.txt ]]; do
    [[ $folder != / ]] || return 1
    folder=$(dirname "$folder")
  done
  echo "$folder"
}

# The prefix's settings as a registry file (UTF-16, as regedit reads Unicode ones).
registry_file() {
  local dpi=$1
  {
    printf '\xff\xfe'
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
      '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
      "\"SimSun\"=\"$substitute\"" '"宋体"=-' '' \
      '[HKEY_CURRENT_USER\Control Panel\Desktop]' "\"LogPixels\"=dword:$(printf %08x "$dpi")" '' \
      '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' |
      iconv -f UTF-8 -t UTF-16LE
  } >"$WINEPREFIX/drive_c/petcalc.reg"
}

# The settings a prefix was last given, so that a change of either is written again.
settings() { echo "dpi $1, SimSun by its English name"; }

set_dpi() {
  local dpi=$1
  [[ $(cat "$WINEPREFIX/.petcalc-settings" 2>/dev/null) == "$(settings "$dpi")" ]] && return
  registry_file "$dpi"
  "$wine" regedit /S 'C:\petcalc.reg' 2>/dev/null
  "$wineserver" -w
  settings "$dpi" >"$WINEPREFIX/.petcalc-settings"
}

prepare() {
  [[ $1 == /* && -f $1/CMakeCache.txt ]] || refuse "${1:-(nothing)} is not a build tree"
  export WINEPREFIX=$1/wineprefix
  exec 9>"$1/wineprefix.lock"
  flock 9
  if [[ ! -f $WINEPREFIX/.petcalc-ready ]]; then
    echo "wine-run: making the wine prefix $WINEPREFIX" >&2
    rm -rf "$WINEPREFIX"
    "$wine" wineboot --init 2>/dev/null
    "$wineserver" -w
    touch "$WINEPREFIX/.petcalc-ready"
  fi
  set_dpi "${PETCALC_WINE_DPI:-96}"
  flock -u 9
}

# No Mono or Gecko installer at prefix creation, and no debugger hanging on a crash.
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
if [[ $1 == --prepare ]]; then
  prepare "$(realpath "$2")"
  exit 0
fi
build=$(build_of "$1") || refuse "$1 is in no build tree"
prepare "$build"
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" "$wine" "$@"
fi
exec "$wine" "$@"
