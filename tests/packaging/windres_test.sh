#!/usr/bin/env bash
# Compiles resources/app.rc with MinGW's windres (preprocessed by the host cpp), decompiles the
# result and checks the icon group and the version block a Windows build carries.
# Usage: tests/packaging/windres_test.sh <resources-folder>
set -euo pipefail

resources=$(realpath "$1")
windres=x86_64-w64-mingw32-windres
mingw_include=/usr/x86_64-w64-mingw32/include
command -v "$windres" >/dev/null || { echo "windres: $windres is missing (tools/install-deps.sh)"; exit 1; }
[[ -f $mingw_include/winver.h ]] || { echo "windres: $mingw_include/winver.h is missing"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# _WIN32 as the MinGW compiler would define it; the host cpp knows nothing of Windows.
"$windres" --preprocessor=cpp --preprocessor-arg=-E --preprocessor-arg=-xc \
  --preprocessor-arg=-DRC_INVOKED --preprocessor-arg=-D_WIN32 \
  -I "$mingw_include" -I "$resources" -i "$resources/app.rc" -O res -o "$work/app.res"
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
expect '"\020\020\000\000", 1, 8,'
expect '"\040\040\000\000", 1, 8,'
expect '"\020\020\000\000", 1, 32,'
expect '"\040\040\000\000", 1, 32,'
expect '"\060\060\000\000", 1, 32,'
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "ProductVersion", "1.00"'
expect 'VALUE "Translation", 0x804, 1200'
expect 'BLOCK "080404B0"'
# 宠物成长计算器 arrives as UTF-16 only if the file's UTF-8 was read as UTF-8.
expect 'L"Tenvo\x5ba0\x7269\x6210\x957f\x8ba1\x7b97\x5668"'
exit $((failures > 0))
