#!/usr/bin/env bash
# tools/wine-run.sh refuses, with exit 2 and a word, a program outside any build tree and a
# prepare folder that is not a build tree, and makes no wine prefix for either: neither at the
# file system's root nor beside the program.
# Usage: tests/tools/wine_run_test.sh <tools/wine-run.sh>
set -uo pipefail

runner=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
touch "$work/stray.exe"
failures=0

expect_refused() {
  local what=$1 word=$2
  shift 2
  local output status
  output=$("$@" 2>&1)
  status=$?
  if [[ $status -ne 2 || $output != *"$word"* ]]; then
    echo "FAIL: $what: exit $status, said: $output"
    failures=$((failures + 1))
  fi
}

expect_refused "a program in no build tree" "is in no build tree" "$runner" "$work/stray.exe"
expect_refused "preparing a folder that is no build tree" "is not a build tree" \
  "$runner" --prepare "$work"
expect_refused "preparing nothing" "is not a build tree" "$runner" --prepare ""
for prefix in /wineprefix "$work/wineprefix"; do
  if [[ -e $prefix ]]; then
    echo "FAIL: $prefix was made"
    failures=$((failures + 1))
  fi
done
[[ $failures -eq 0 ]] && echo "wine-run: refuses what is outside a build tree"
exit "$failures"
