#!/usr/bin/env bash
# Builds and runs every benchmark, the Windows ones under wine included, then writes
# bench/RESULTS.md (date, CPU, commit, each figure beside its floor and goal) and prints it. Usage: bench/run.sh [start-up runs, default 20]
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-20}
out=build-bench/bench
cmake --preset bench >/dev/null
cmake --build --preset bench --target petcalc_bench petcalc_window_bench floor_window \
  startup_probe petcalc book_bench book_save_bench write_book

common=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=json)
echo "bench: calculations"
"$out/petcalc_bench" "${common[@]}" >"$out/core.json"
echo "bench: the book"
"$out/book_bench" "${common[@]}" >"$out/book.json"
echo "bench: the book on disk"
QT_QPA_PLATFORM=offscreen "$out/book_save_bench" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true >"$out/book-save.txt" 2>/dev/null
echo "bench: window"
"$out/petcalc_window_bench" "${common[@]}" >"$out/window.json" 2>/dev/null
echo "bench: start-up, three consecutive runs of $runs each"
for run in 1 2 3; do
  echo "Run $run of 3:"
  echo
  bench/startup.sh "$runs" build-bench 2>/dev/null
  echo
done >"$out/startup.md"

echo "bench: petcalc.exe under wine, three consecutive runs of $runs each"
cmake --preset windows >/dev/null
cmake --build --preset windows --target petcalc floor_win32 named_control_bench
for run in 1 2 3; do
  echo "Run $run of 3:"
  echo
  bench/startup-windows.sh "$runs" build-windows build-bench 2>/dev/null
  echo
done >"$out/windows.md"

echo "bench: where a named control keeps its procedure, under wine"
xvfb-run -a tools/wine-run.sh build-windows/bench/named_control_bench.exe >"$out/named.md" 2>/dev/null

echo "bench: the page in headless Chromium, $runs first visits each"
cmake --preset web >/dev/null
cmake --build --preset web
bench/web_bench.py build-web/site build-web/test-data/typical.json "$runs" >"$out/web.md"

echo "bench: the page's book in headless Chromium, at three sizes"
bench/book_web_bench.py build-web/site >"$out/book-web.md"

# The page before the book, for Lighthouse to measure the book's cost against: a build of that
# commit in a work tree of its own.
before=${PETCALC_BEFORE_BOOK:-4d2fe42}
if [[ ! -d build-before/site-source ]]; then
  git worktree add --detach build-before/site-source "$before" >/dev/null
fi
(cd build-before/site-source && cmake --preset web >/dev/null && cmake --build --preset web >/dev/null)
echo "bench: Lighthouse against the page, the page before the book and the floor, five runs each"
bench/lighthouse.py build-web/site 5 build-before/site-source/build-web/site >"$out/lighthouse.md"

python3 bench/report.py "$out/core.json" "$out/window.json" "$out/startup.md" "$out/windows.md" \
  "$out/named.md" "$out/web.md" "$out/lighthouse.md" "$out/book.json" "$out/book-web.md" \
  >"$out/RESULTS.md"
{
  echo
  echo "## The Qt program's book on disk"
  echo
  echo "A kept click and its save (merge, backup, flushes, rename) at 1,000, 10,000 and 100,000"
  echo "records; and with 10,000 in place, from building the window to its first paint, to the"
  echo "book read after it, and to a first click answered (goal: each within 300 ms of the paint)."
  echo
  echo '```'
  grep -E '_median' "$out/book-save.txt"
  echo '```'
} >>"$out/RESULTS.md"
cp "$out/RESULTS.md" bench/RESULTS.md
cat bench/RESULTS.md
