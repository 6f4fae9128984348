#!/usr/bin/env bash
# The program's id is typed once, in CMakeLists.txt: every other file is made from it, and the
# files named by it carry it exactly. The README, which tells players the id, may say it too.
# Usage: tests/tools/app_id_test.sh <source-folder> <app-id>
set -euo pipefail
cd "$1"
id=$2
failures=0
for file in "packaging/$id.desktop.in" "packaging/$id.metainfo.xml.in"; do
  [[ -f $file ]] || { echo "app id: no $file"; failures=$((failures + 1)); }
done
while IFS= read -r file; do
  case $file in
    ./CMakeLists.txt | ./README.md) ;;
    *) echo "app id: typed again in $file"; failures=$((failures + 1)) ;;
  esac
done < <(grep -rlF --exclude-dir=.git --exclude-dir='build*' --exclude-dir=node_modules \
           "$id" .)
exit $((failures > 0))
