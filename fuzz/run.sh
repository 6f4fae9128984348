#!/usr/bin/env bash
# Builds the fuzzers (the fuzz preset: clang, libFuzzer, ASan, UBSan) and runs each for
# FUZZ_SECONDS (default 60), growing a working corpus in build-fuzz/corpus from the committed
# seeds in fuzz/corpus. Prints libFuzzer's own summary lines; fails on any crash or broken
# invariant, leaving the input that caused it in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

for target in text_to_number clicks saved_sheet book_json book_csv share_link; do
  corpus=build-fuzz/corpus/$target
  log=build-fuzz/$target.log
  mkdir -p "$corpus"
  echo "fuzz: $target for ${seconds}s"
  status=0
  build-fuzz/fuzz/${target}_fuzzer -max_total_time="$seconds" -print_final_stats=1 \
    -timeout=10 -rss_limit_mb=2048 -artifact_prefix=build-fuzz/ \
    "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  grep -E '^(Done [0-9]+ runs|stat::number_of_executed_units|stat::new_units_added|stat::peak_rss_mb)' "$log" || true
  if [[ $status -ne 0 ]]; then
    grep -E 'invariant broken|ERROR|SUMMARY|Test unit written' "$log" || tail -40 "$log"
    echo "fuzz: $target FAILED (exit $status); full log in $log" >&2
    exit "$status"
  fi
done
