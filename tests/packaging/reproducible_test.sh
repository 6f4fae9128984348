#!/usr/bin/env bash
# Builds petcalc.exe and its download zip twice, from copies of the same sources in two folders
# of different names and depths, at two different times, and checks that both builds give
# byte-identical files. The executable is built without SOURCE_DATE_EPOCH, which the linker would
# otherwise take for its time stamp: it must need none. The zip takes its stamp from it.
# Usage: tests/packaging/reproducible_test.sh <source-folder>
set -euo pipefail

source=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset SOURCE_DATE_EPOCH

build() {
  local tree=$1
  mkdir -p "$tree"
  # The sources as they stand, without any build folder.
  (cd "$source" && git ls-files -z --cached --others --exclude-standard |
     xargs -0 cp --parents -t "$tree" 2>/dev/null || true)
  cmake -S "$tree" -B "$tree/out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$tree/cmake/mingw-w64-x86_64.cmake" -DPETCALC_BUILD_QT=OFF \
    -DPETCALC_BUILD_WIN32=ON -DPETCALC_BUILD_TESTS=OFF >/dev/null
  cmake --build "$tree/out" --target petcalc >/dev/null
  SOURCE_DATE_EPOCH=1700000000 "$tree/tools/windows_zip.py" "$tree/out/win32/petcalc.exe" \
    "$tree/out/version/说明.txt" "$tree/out/petcalc.zip"
}

build "$work/a/petcalc"
sleep 1
build "$work/elsewhere/deeper/tree"
failures=0
for file in win32/petcalc.exe petcalc.zip; do
  first=$(sha256sum <"$work/a/petcalc/out/$file")
  second=$(sha256sum <"$work/elsewhere/deeper/tree/out/$file")
  if [[ $first == "$second" ]]; then
    echo "reproducible: $file ${first%% *}"
  else
    echo "FAIL: $file differs between the two builds"
    cmp -l "$work/a/petcalc/out/$file" "$work/elsewhere/deeper/tree/out/$file" | head -5
    failures=$((failures + 1))
  fi
done
exit "$failures"
