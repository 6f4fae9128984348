#!/usr/bin/env bash
# Start-up to a visible window, whole process: runs the real program and the bare-widget floor
# under one Xvfb, alternately, N times each (default 20), and reports the median time from exec
# until the window is mapped and the median peak resident memory, with their ratios.
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
# One unmeasured run each, so both start from a warm page cache and font cache.
"$probe" "$build/qt/petcalc" >/dev/null
"$probe" "$build/bench/floor_window" >/dev/null
for _ in $(seq "$runs"); do
  echo "petcalc $("$probe" "$build/qt/petcalc")"
  echo "floor $("$probe" "$build/bench/floor_window")"
done >"$build/startup-runs.txt"

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
pick() { awk -v who="$1" -v col="$2" '$1==who {print $col}' "$build/startup-runs.txt" | median; }
time_p=$(pick petcalc 2) time_f=$(pick floor 2)
rss_p=$(pick petcalc 3) rss_f=$(pick floor 3)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.3f", a/b}'; }
echo "| Start-up ($runs runs, median) | petcalc | floor | ratio | goal |"
echo "|---|---|---|---|---|"
echo "| exec to window mapped | ${time_p} ms | ${time_f} ms | $(ratio "$time_p" "$time_f") | ≤ 1.15 |"
echo "| peak resident memory | ${rss_p} KiB | ${rss_f} KiB | $(ratio "$rss_p" "$rss_f") | ≤ 1.15 |"
INNER
