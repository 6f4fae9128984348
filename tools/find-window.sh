#!/usr/bin/env bash
# Waits for a top-level window of that exact title to appear on the X display and prints its
# id. Exits 1 if none has appeared within the given seconds (default 60). Needs xwininfo and
# xprop (x11-utils). Usage: tools/find-window.sh <title> [seconds]
set -euo pipefail

title=$1
seconds=${2:-60}
export LANG=C.UTF-8  # xprop writes the title as UTF-8
for _ in $(seq $((seconds * 5))); do
  for id in $(xwininfo -root -children | awk '/^ +0x/ {print $1}'); do
    if xprop -id "$id" _NET_WM_NAME 2>/dev/null | grep -qF "= \"$title\""; then
      echo "$id"
      exit 0
    fi
  done
  sleep 0.2
done
echo "find-window: no window titled $title within $seconds s" >&2
exit 1
