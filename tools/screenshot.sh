#!/usr/bin/env bash
# Runs the real program under Xvfb and photographs its window:
#   <out>/screenshot.png at 100 % and <out>/screenshot@2x.png with QT_SCALE_FACTOR=2.
# Usage: tools/screenshot.sh [program] [out-folder]   (default: build/qt/petcalc build)
set -euo pipefail

program=$(realpath "${1:-build/qt/petcalc}")
out=$(realpath "${2:-build}")

shoot() {
  local scale=$1 file=$2
  QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    set -euo pipefail
    QT_QPA_PLATFORM=xcb "$0" &
    pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    for _ in $(seq 100); do
      id=$(xwininfo -root -tree | awk "/Tenvo/ {print \$1; exit}")
      [[ -n $id ]] && break
      sleep 0.1
    done
    [[ -n ${id:-} ]] || { echo "screenshot: the window did not appear" >&2; exit 1; }
    sleep 1  # let the first paint finish
    import -window "$id" "$1"
  ' "$program" "$file"
  echo "screenshot: $file"
}

shoot 1 "$out/screenshot.png"
shoot 2 "$out/screenshot@2x.png"
