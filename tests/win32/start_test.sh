#!/usr/bin/env bash
# Starts the real petcalc.exe under wine, as a player starts it, and waits up to a minute for its
# window titled "Tenvo宠物成长计算器0.5" to appear on the X display (its own Xvfb if none).
# Usage: tests/win32/start_test.sh <petcalc.exe>
set -euo pipefail

if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
exe=$(realpath "$1")
wine_run=$(realpath "$(dirname "$0")/../../tools/wine-run.sh")
title="Tenvo宠物成长计算器0.5"

"$wine_run" "$exe" &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT
export LANG=C.UTF-8
for _ in $(seq 300); do
  for id in $(xwininfo -root -children | awk '/^ +0x/ {print $1}'); do
    if xprop -id "$id" _NET_WM_NAME 2>/dev/null | grep -qF "\"$title\""; then
      echo "start: the window \"$title\" appeared"
      exit 0
    fi
  done
  kill -0 "$program" 2>/dev/null || { echo "start: petcalc.exe ended without a window"; exit 1; }
  sleep 0.2
done
echo "start: no window titled $title within a minute"
exit 1
