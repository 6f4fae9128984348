#!/usr/bin/env bash
# Compiles resources/app.rc with MinGW's windres (preprocessed by the host cpp), its icon images
# written by tools/icon_resources.py, its logo bitmaps by tools/logo_bitmaps.py and its version
# header and manifest by the build (cmake/version.cmake), decompiles the result and checks what
# a Windows build carries: icon group 1 naming five images under 30001 to 30005 in the ICO's
# order, the logo's three renditions as bitmaps, the manifest and the version block, which
# gives the version the build made.
# Usage: tests/packaging/windres_test.sh <resources-folder> <build's version folder> <tools-folder>
set -euo pipefail

resources=$(realpath "$1")
version=$(realpath "$2")
tools=$(realpath "$3")
windres=x86_64-w64-mingw32-windres
mingw_include=/usr/x86_64-w64-mingw32/include
command -v "$windres" >/dev/null || { echo "windres: $windres is missing (tools/install-deps.sh)"; exit 1; }
[[ -f $mingw_include/winver.h ]] || { echo "windres: $mingw_include/winver.h is missing"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$tools/icon_resources.py" "$resources/petcalc.ico" 30001 "$work"
"$tools/logo_bitmaps.py" "$resources" "$work"
# _WIN32 as the MinGW compiler would define it; the host cpp knows nothing of Windows.
"$windres" --preprocessor=cpp --preprocessor-arg=-E --preprocessor-arg=-xc \
  --preprocessor-arg=-DRC_INVOKED --preprocessor-arg=-D_WIN32 \
  -I "$mingw_include" -I "$resources" -I "$version" -I "$work" -i "$resources/app.rc" -O res \
  -o "$work/app.res"
"$windres" -i "$work/app.res" -O rc -o "$work/decompiled.rc"

failures=0
expect() {
  if grep -qF -- "$1" "$work/decompiled.rc"; then
    echo "windres: found $1"
  else
    echo "windres: MISSING $1"
    failures=$((failures + 1))
  fi
}
expect '1 14 /* RT_GROUP_ICON */'
expect '0, 1, 5,'
# Each image under its own number, with the size the ICO gives it.
expect '"\020\020\000\000", 1, 8, 0x568L, 30001,'
expect '"\040\040\000\000", 1, 8, 0x8a8L, 30002,'
expect '"\020\020\000\000", 1, 32, 0x468L, 30003,'
expect '"\040\040\000\000", 1, 32, 0x10a8L, 30004,'
expect '"\060\060\000\000", 1, 32, 0x25a8L, 30005'
for id in 30001 30002 30003 30004 30005; do expect "$id 3 /* RT_ICON */"; done
for id in 101 102 103; do expect "$id 2 /* RT_BITMAP */"; done
expect '1 24 /* RT_MANIFEST */'
numbers=$(sed -n 's/^#define PETCALC_VERSION_NUMBERS //p' "$version/petcalc_version.h")
text=$(cat "$version/version.txt")
expect "FILEVERSION $numbers"
expect "PRODUCTVERSION $numbers"
expect "VALUE \"FileVersion\", \"$text\""
expect "VALUE \"ProductVersion\", \"$text\""
expect 'VALUE "Translation", 0x804, 1200'
expect 'BLOCK "080404B0"'
# 宠物成长计算器 arrives as UTF-16 only if the file's UTF-8 was read as UTF-8.
expect 'L"Tenvo\x5ba0\x7269\x6210\x957f\x8ba1\x7b97\x5668"'
exit $((failures > 0))
