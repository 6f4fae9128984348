#!/usr/bin/env bash
# Runs petcalc.exe under wine on Xvfb and photographs its window at 96 and at 192 dpi:
#   <out>/screenshot-windows.png and <out>/screenshot-windows@2x.png.
# Usage: tools/screenshot-windows.sh [petcalc.exe] [out-folder]
#        (default: build-windows/win32/petcalc.exe build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."

exe=$(realpath "${1:-build-windows/win32/petcalc.exe}")
out=$(realpath "${2:-build-windows}")

shoot() {
  local dpi=$1 file=$2
  PETCALC_WINE_DPI=$dpi xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    set -euo pipefail
    tools/wine-run.sh "$0" &
    pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    for _ in $(seq 300); do
      id=$(xwininfo -root -children | awk "/Tenvo/ {print \$1; exit}")
      [[ -n $id ]] && break
      sleep 0.2
    done
    [[ -n ${id:-} ]] || { echo "screenshot: the window did not appear" >&2; exit 1; }
    sleep 2  # let the first paint finish
    import -window "$id" "$1"
  ' "$exe" "$file"
  echo "screenshot: $file"
}

shoot 96 "$out/screenshot-windows.png"
shoot 192 "$out/screenshot-windows@2x.png"
