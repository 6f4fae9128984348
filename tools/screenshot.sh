#!/usr/bin/env bash
# Runs the real program under Xvfb and photographs its window, at 100 % and at 200 %:
#   <out>/screenshot.png and <out>/screenshot@2x.png (QT_SCALE_FACTOR 1 and 2), and, given the
#   Windows program, <out-windows>/screenshot-windows.png and screenshot-windows@2x.png under
#   wine at 96 and 192 dpi.
# Usage: tools/screenshot.sh [program] [out-folder] [petcalc.exe out-windows-folder]
#        (default: build/qt/petcalc build, and no Windows program)
set -euo pipefail
cd "$(dirname "$0")/.."

program=$(realpath "${1:-build/qt/petcalc}")
out=$(realpath "${2:-build}")

# Starts the command on its own virtual display, waits for the window, lets it paint, takes it.
shoot() {
  local file=$1
  shift
  xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash -c '
    set -euo pipefail
    file=$1
    shift
    "$@" &
    trap "kill $! 2>/dev/null || true" EXIT
    id=$(tools/find-window.sh "Tenvo宠物成长计算器0.5" 60)
    sleep 2  # the first paint
    import -window "$id" "$file"
  ' shoot "$file" "$@"
  echo "screenshot: $file"
}

shoot "$out/screenshot.png" env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 "$program"
shoot "$out/screenshot@2x.png" env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 "$program"
if [[ $# -ge 4 ]]; then
  exe=$(realpath "$3")
  out_windows=$(realpath "$4")
  shoot "$out_windows/screenshot-windows.png" env PETCALC_WINE_DPI=96 tools/wine-run.sh "$exe"
  shoot "$out_windows/screenshot-windows@2x.png" env PETCALC_WINE_DPI=192 tools/wine-run.sh "$exe"
fi
