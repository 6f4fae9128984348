#!/usr/bin/env bash
# Static analysis of our own sources: clang-tidy with the committed .clang-tidy, then cppcheck.
# Needs a configured default build, and for the fuzzers a configured fuzz build, for their
# compile_commands.json. Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
mapfile -t sources < <(git ls-files 'core/*.cpp' 'calc/*.cpp' 'form/*.cpp' 'qt/*.cpp' 'tests/*.cpp' 'bench/*.cpp')

echo "lint: clang-tidy on ${#sources[@]} files"
printf '%s\n' "${sources[@]}" |
  xargs -P "$(nproc)" -n 4 clang-tidy-14 -p "$build" --quiet 2>/dev/null

if [[ -f build-fuzz/compile_commands.json ]]; then
  echo "lint: clang-tidy on the fuzzers"
  git ls-files 'fuzz/*.cpp' | xargs -P "$(nproc)" -n 1 clang-tidy-14 -p build-fuzz --quiet 2>/dev/null
fi

echo "lint: cppcheck"
cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ \
  --enable=warning,performance,portability --inline-suppr \
  --library=qt --library=googletest --suppress=missingIncludeSystem \
  -I . core calc runtime form qt tests fuzz bench

echo "lint: clean"
