#!/usr/bin/env bash
# Starts the real petcalc.exe under wine, as a player starts it, and waits up to a minute for its
# window titled "Tenvo宠物成长计算器0.5" to appear on the X display (its own Xvfb if none).
# Usage: tests/win32/start_test.sh <petcalc.exe>
set -euo pipefail

if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" "$0" "$@"
fi
tools=$(realpath "$(dirname "$0")/../../tools")

"$tools/wine-run.sh" "$(realpath "$1")" &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT
"$tools/find-window.sh" "Tenvo宠物成长计算器0.5" 60 >/dev/null
echo "start: the window appeared"
