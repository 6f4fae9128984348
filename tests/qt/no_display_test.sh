#!/usr/bin/env bash
# Starts the program with no display and no Qt platform named: it must say in one line that it
# needs a graphical session and exit with status 1, not abort.
# Usage: tests/qt/no_display_test.sh <program>
set -uo pipefail

output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$1" 2>&1 >/dev/null)
status=$?
echo "$output"
[[ $status -eq 1 ]] || { echo "no-display test: exit status $status, not 1"; exit 1; }
[[ $(wc -l <<<"$output") -eq 1 ]] || { echo "no-display test: not one line"; exit 1; }
[[ $output == *图形会话* && $output == *"graphical session"* ]] ||
  { echo "no-display test: the message names no graphical session"; exit 1; }
