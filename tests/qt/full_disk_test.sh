#!/usr/bin/env bash
# The Qt program's save path on a small filesystem that fills up, then turns read-only: the save
# that does not fit, and the one that cannot be written, are said in Chinese, and the book on disk
# still reads, holding every record whose save returned.
# Needs a tmpfs of its own (root): elsewhere it skips (77), and the store's tests with an injected
# failure stand in for it. Usage: tests/qt/full_disk_test.sh <book_saver>
set -euo pipefail
saver=$(realpath "$1")
disk=$(mktemp -d)
trap 'umount "$disk" 2>/dev/null || true; rm -rf "$disk"' EXIT
if ! mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null; then
  echo "full disk: SKIPPED, no tmpfs can be mounted here"
  exit 77
fi

status=0
"$saver" "$disk" add 1 100000 >"$disk.out" 2>"$disk.err" || status=$?
trap 'umount "$disk" 2>/dev/null || true; rm -rf "$disk" "$disk.out" "$disk.err"' EXIT
[[ $status -eq 1 ]] || { echo "full disk: the saver ended with $status, not with a failed save"; exit 1; }
grep -q '宠物记录没有保存' "$disk.err" || { echo "full disk: not said: $(cat "$disk.err")"; exit 1; }
saved=$(grep -c '^saved ' "$disk.out")
(( saved > 0 )) || { echo "full disk: no save fitted at all"; exit 1; }

# What is on disk: the saver opens it, and finds every record it said it saved.
"$saver" "$disk" >/dev/null 2>"$disk.err" || { echo "full disk: the book no longer reads: $(cat "$disk.err")"; exit 1; }
missing=0
while read -r said id; do
  [[ $said == saved ]] || continue
  grep -q "\"id\":\"$id\"" "$disk/book.json" || missing=$((missing + 1))
done <"$disk.out"
(( missing == 0 )) || { echo "full disk: $missing of $saved saved records are gone"; exit 1; }
cp "$disk/book.json" "$disk.book"
trap 'umount "$disk" 2>/dev/null || true; rm -rf "$disk" "$disk.out" "$disk.err" "$disk.book"' EXIT
mount -o remount,ro "$disk"
status=0
"$saver" "$disk" add 2 1 >/dev/null 2>"$disk.err" || status=$?
[[ $status -eq 1 ]] && grep -q '只读' "$disk.err" ||
  { echo "read-only: not said: $status $(cat "$disk.err")"; exit 1; }
cmp -s "$disk/book.json" "$disk.book" || { echo "read-only: the book changed"; exit 1; }
echo "full disk: $saved saves fitted, the next was refused and said; read-only said; nothing lost"
