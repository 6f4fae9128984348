#!/usr/bin/env bash
# Writes dist/: the Windows download petcalc-<version>-windows-x64.zip (the stripped petcalc.exe
# and 说明.txt), the Debian package, and SHA256SUMS over both; the version is project()'s in
# CMakeLists.txt, as the build writes it out. The Windows build is reproducible:
# SOURCE_DATE_EPOCH (default: the last commit's time) stamps the zip, and neither the code nor
# the executable's header records a path or a time.
# Usage: tools/release.sh   (make release installs what it needs first)
set -euo pipefail
cd "$(dirname "$0")/.."

dist=dist
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 315532800)}

cmake --preset windows >/dev/null
cmake --build --preset windows --target petcalc
cmake --preset default >/dev/null
cmake --build --preset default
cpack --config build/CPackConfig.cmake -B build/packages >/dev/null
version=$(cat build/version/version.txt)

rm -rf "$dist"
mkdir -p "$dist"
zip=petcalc-$version-windows-x64.zip
tools/windows_zip.py build-windows/win32/petcalc.exe build-windows/version/说明.txt "$dist/$zip"
cp build/packages/petcalc_${version}_amd64.deb "$dist/"
(cd "$dist" && sha256sum "$zip" "petcalc_${version}_amd64.deb" >SHA256SUMS)
echo "release: $dist/"
cat "$dist/SHA256SUMS"
