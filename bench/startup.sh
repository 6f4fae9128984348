#!/usr/bin/env bash
# Start-up to a visible, painted window, whole process: runs the real program and the floor
# (bench/floor_window.cpp: the same widgets in the same faces, and nothing else) under one Xvfb,
# alternately, N times each (default 20), and reports the median time from exec until the window
# is mapped and until its first paint is done (the last drawing into it before half a second
# without any), and the median peak resident memory, with their ratios. The program starts with a
# book of 10,000 records in place, which it reads after its first paint.
# Usage: bench/startup.sh [runs] [build-folder]   Prints a Markdown table.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-20}
build=$(realpath "${2:-build-bench}")

xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$runs" "$build" <<'INNER'
set -euo pipefail
runs=$1 build=$2
probe=$build/bench/startup_probe
export QT_QPA_PLATFORM=xcb
export XDG_DATA_HOME=$build/startup-home
# The program's folder is named by its id, which the build names its metainfo by.
metainfo=$(echo "$build"/version/*.metainfo.xml)
app_id=$(basename "$metainfo" .metainfo.xml)
mkdir -p "$XDG_DATA_HOME/$app_id"
"$build/bench/write_book" 10000 "$XDG_DATA_HOME/$app_id/book.json"
# One unmeasured run each, so both start from a warm page cache and font cache.
"$probe" "$build/qt/petcalc" >/dev/null 2>&1
"$probe" "$build/bench/floor_window" >/dev/null 2>&1
for _ in $(seq "$runs"); do
  echo "petcalc $("$probe" "$build/qt/petcalc" 2>/dev/null)"
  echo "floor $("$probe" "$build/bench/floor_window" 2>/dev/null)"
done >"$build/startup-runs.txt"

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
pick() { awk -v who="$1" -v col="$2" '$1==who {print $col}' "$build/startup-runs.txt" | median; }
row() {
  local what=$1 col=$2 unit=$3 goal=$4 mine theirs ratio met
  mine=$(pick petcalc "$col") theirs=$(pick floor "$col")
  ratio=$(awk -v a="$mine" -v b="$theirs" 'BEGIN {printf "%.3f", a/b}')
  met=$(awk -v r="$ratio" -v g="$goal" 'BEGIN {print (r <= g ? "met" : "**not met**")}')
  echo "| $what | ${mine} $unit | ${theirs} $unit | $ratio | ≤ $goal | $met |"
}
echo "| Start-up under Xvfb ($runs runs, median) | petcalc | floor | ratio | goal | |"
echo "|---|---|---|---|---|---|"
row "exec to window mapped" 2 ms 1.05
row "exec to first paint done" 4 ms 1.05
row "peak resident memory" 3 KiB 1.15
INNER
