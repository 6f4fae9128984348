#!/usr/bin/env bash
# Builds the Debian package from a build tree, extracts it into a temporary root, checks what it
# holds and declares, has lintian check it, and starts the installed program offscreen to prove
# it runs. Lintian may name only the maintainer's missing address, and only while the package's
# Maintainer has none (PETCALC_MAINTAINER).
# Usage: tests/packaging/package_test.sh <build-folder> <app-id>
set -euo pipefail

build=$(realpath "$1")
app_id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/root"

failures=0
fail() { echo "package: $1"; failures=$((failures + 1)); }
for file in usr/bin/petcalc \
            "usr/share/applications/$app_id.desktop" \
            "usr/share/metainfo/$app_id.metainfo.xml" \
            "usr/share/icons/hicolor/16x16/apps/$app_id.png" \
            "usr/share/icons/hicolor/32x32/apps/$app_id.png" \
            "usr/share/icons/hicolor/48x48/apps/$app_id.png" \
            usr/share/doc/petcalc/copyright \
            usr/share/doc/petcalc/changelog.gz \
            usr/share/man/man1/petcalc.1.gz; do
  [[ -f $work/root/$file ]] || fail "missing $file"
done
file "$work/root/usr/bin/petcalc" | grep -q ', stripped' || fail "the program is not stripped"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks libqt6widgets6"
dpkg-deb -f "$deb" Depends | grep -q 'qt6-translations-l10n' || fail "Depends lacks qt6-translations-l10n"
dpkg-deb -f "$deb" Recommends | grep -q 'fonts-noto-cjk' || fail "Recommends lacks fonts-noto-cjk"
[[ $(dpkg-deb -f "$deb" Section) == utils ]] || fail "section is not utils"

# Tags that only an address in the Maintainer field (and so in the changelog's signature) ends.
allowed='^$'
[[ $(dpkg-deb -f "$deb" Maintainer) == *"<"* ]] ||
  allowed='^E: petcalc: (malformed-contact|bogus-mail-host-in-debian-changelog) '
lintian "$deb" 2>/dev/null | grep -E '^[EW]: ' | grep -Ev "$allowed" >"$work/lintian.log" || true
[[ -s $work/lintian.log ]] && { cat "$work/lintian.log"; fail "lintian found the above"; }
version=$(cat "$build/version/version.txt")
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "version is not $version"

# Still running after three seconds means it started, built its window and entered its loop.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/petcalc" 2>"$work/run.log" || status=$?
[[ $status -eq 124 ]] || { cat "$work/run.log"; fail "the installed program exited with $status"; }

[[ $failures -eq 0 ]] && echo "package: $(basename "$deb") holds and runs what it should"
exit $((failures > 0))
