#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build tree for SECONDS seconds each, on a corpus kept
# in the build tree (grown from the seeds and the regression inputs). A crash leaves its
# input in BUILD/findings/ and fails the run; copy it to tests/fuzz/regressions/<target>/.
# Usage: run-fuzz.sh BUILD SECONDS
set -euo pipefail
build=$1
seconds=$2
here=$(cd "$(dirname "$0")/.." && pwd)
targets=(package_loaders names_block save_files book_source archive_reader)
# The YAML parser's work grows with the input: book sources are kept short so that the
# book target runs thousands of inputs a second (a whole small book fits in 2 KiB).
max_len() { [[ $1 == book_source ]] && echo 2048 || echo 16384; }
mkdir -p "$build/findings"
status=0
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  mkdir -p "$corpus"
  log="$build/findings/$t.log"
  if ! "$build/tests/fuzz/zrx_fuzz_$t" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len="$(max_len "$t")" \
      -artifact_prefix="$build/findings/$t-" -print_final_stats=1 \
      "$corpus" "$build/tests/fuzz/seeds/$t" "$here/tests/fuzz/regressions/$t" >"$log" 2>&1; then
    echo "fuzz $t: FINDING, see $log"
    status=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  rate=$(grep -o 'exec/s: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || echo 0)
  echo "fuzz $t: $runs runs in ${seconds} s, about $rate exec/s"
done
exit $status
