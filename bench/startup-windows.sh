#!/usr/bin/env bash
# petcalc.exe under wine: the size of the stripped executable, and the time from exec until its
# window is mapped and until its first paint is done (the last drawing into the window before it
# holds still), run alternately with the floor program (bench/floor_win32.cpp) N times each
# (default 20) under one Xvfb, with one wineserver kept running so that neither pays for
# starting wine itself, and half a second between runs so that no run shares the machine with
# the last one's teardown. petcalc.exe starts with a book of 10,000 records in place in the
# prefix's %APPDATA%, which it reads after its first paint. Usage: bench/startup-windows.sh [runs] [windows-build] [linux-build]
# Prints Markdown tables.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-20}
windows=$(realpath "${2:-build-windows}")
linux=$(realpath "${3:-build-bench}")

stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
x86_64-w64-mingw32-strip -o "$stripped" "$windows/win32/petcalc.exe"
size=$(stat -c %s "$stripped")
echo "| Executable | bytes | goal ≤ 1 MiB (1,048,576) |"
echo "|---|---|---|"
echo "| petcalc.exe, stripped | $size | $([[ $size -le 1048576 ]] && echo met || echo '**not met**') |"
echo

tools/wine-run.sh --prepare "$windows" 2>/dev/null
roaming=$windows/wineprefix/drive_c/users/$(id -un)/AppData/Roaming/Tenvo/PetCalc
mkdir -p "$roaming"
"$linux/bench/write_book" 10000 "$roaming/book.json"
xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$runs" "$windows" "$linux" <<'INNER'
set -euo pipefail
runs=$1 windows=$2 linux=$3
export WINEPREFIX=$windows/wineprefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
/usr/lib/wine/wineserver64 -p >/dev/null 2>&1 </dev/null
trap '/usr/lib/wine/wineserver64 -k' EXIT
probe() { "$linux/bench/startup_probe" --any-window /usr/lib/wine/wine64 "$1"; sleep 0.5; }
# One unmeasured run each: wine's own processes start, and both read from a warm cache.
probe "$windows/win32/petcalc.exe" >/dev/null
probe "$windows/bench/floor_win32.exe" >/dev/null
for _ in $(seq "$runs"); do
  echo "petcalc $(probe "$windows/win32/petcalc.exe")"
  echo "floor $(probe "$windows/bench/floor_win32.exe")"
done >"$windows/startup-runs.txt"

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
pick() { awk -v who="$1" -v col="$2" '$1==who {print $col}' "$windows/startup-runs.txt" | median; }
row() {
  local what=$1 col=$2 mine theirs ratio met
  mine=$(pick petcalc "$col") theirs=$(pick floor "$col")
  ratio=$(awk -v a="$mine" -v b="$theirs" 'BEGIN {printf "%.3f", a/b}')
  met=$(awk -v r="$ratio" 'BEGIN {print (r <= 1.10 ? "met" : "**not met**")}')
  echo "| $what | ${mine} ms | ${theirs} ms | $ratio | $met |"
}
echo "| Start-up under wine ($runs runs, median) | petcalc.exe | floor | ratio | goal ≤ 1.10 |"
echo "|---|---|---|---|---|"
row "exec to window mapped" 2
row "exec to first paint done" 4
INNER
