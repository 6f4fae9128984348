#!/usr/bin/env bash
# Runs the real program on Xvfb inside a private D-Bus session with the AT-SPI bus, and checks
# it through its accessible tree. Exits 77 (a skip) only when the AT-SPI bus cannot start.
# Usage: tests/a11y/accessibility_test.sh <program> <test-data folder>
set -euo pipefail

program=$(realpath "$1")
data=$(realpath "$2")
check=$(realpath "$(dirname "$0")/accessibility_check.py")
launcher=/usr/libexec/at-spi-bus-launcher
for tool in xvfb-run dbus-run-session dbus-send "$launcher"; do
  command -v "$tool" >/dev/null || { echo "accessibility: $tool is missing (tools/install-deps.sh)"; exit 1; }
done

# -noreset: Xvfb otherwise resets as its last client leaves (here the bus launcher, which sets a
# property on the root window), and a client connecting meanwhile is refused (xorg/xserver#1102).
exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" dbus-run-session -- bash -c '
  "$0" --launch-immediately &
  for _ in $(seq 100); do
    if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
         org.a11y.Bus.GetAddress >/dev/null 2>&1; then
      exec /usr/bin/python3 "$1" "$2" "$3"
    fi
    sleep 0.1
  done
  echo "accessibility: SKIPPED, the AT-SPI bus did not start"
  exit 77
' "$launcher" "$check" "$program" "$data"
