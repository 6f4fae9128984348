#!/usr/bin/env bash
# Static analysis of our own sources: the committed .clang-format's layout, clang-tidy with the
# committed .clang-tidy, then cppcheck.
# Needs a built bench build (the default build with the benchmarks), a configured windows build
# for the Windows front end and its tests (read as mingw-w64 compiles them), and for the fuzzers
# a configured fuzz build, for their compile_commands.json. The web front end is read by cppcheck alone: clang-tidy 14 cannot read
# Emscripten 3.1.6's libc++ headers. Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-bench}
windows_build=${2:-build-windows}
windows_only=(-e '^win32/' -e '^tests/win32/' -e '^bench/floor_win32' -e '^bench/named_control_bench')
mapfile -t sources < <(git ls-files 'core/*.cpp' 'calc/*.cpp' 'book/*.cpp' 'qt/*.cpp' \
                         'tests/*.cpp' 'bench/*.cpp' | grep -v "${windows_only[@]}" -e '^tests/web/')
mapfile -t windows_sources < <(git ls-files '*.cpp' | grep "${windows_only[@]}")

echo "lint: clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format-14 --dry-run --Werror

echo "lint: clang-tidy on ${#sources[@]} files"
printf '%s\n' "${sources[@]}" |
  xargs -P "$(nproc)" -n 4 clang-tidy-14 -p "$build" --quiet 2>/dev/null

echo "lint: clang-tidy on ${#windows_sources[@]} Windows files"
# The Windows API passes pointers and handles in integer message parameters: no-int-to-ptr is
# off for these files.
# clang finds MinGW's C library by the target, but not its libstdc++: name g++'s own folders.
mapfile -t mingw_includes < <(echo | x86_64-w64-mingw32-g++-posix -E -x c++ - -v 2>&1 |
  sed -n '/search starts here/,/End of search list/p' | grep '/include/c++' |
  sed 's/^ */--extra-arg=-isystem/')
printf '%s\n' "${windows_sources[@]}" |
  xargs -P "$(nproc)" -n 4 clang-tidy-14 -p "$windows_build" --quiet \
    --checks=-performance-no-int-to-ptr --extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-nostdinc++ "${mingw_includes[@]}" \
    2>/dev/null

if [[ -f build-fuzz/compile_commands.json ]]; then
  echo "lint: clang-tidy on the fuzzers"
  git ls-files 'fuzz/*.cpp' | xargs -P "$(nproc)" -n 1 clang-tidy-14 -p build-fuzz --quiet 2>/dev/null
fi

echo "lint: cppcheck"
cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ \
  --enable=warning,performance,portability --inline-suppr \
  --library=qt --library=googletest --library=windows --suppress=missingIncludeSystem \
  -I . core calc book runtime form qt win32 web tests fuzz bench

echo "lint: clean"
