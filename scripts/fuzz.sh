#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each (default 600) from its seed corpus, if it has one.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
shopt -s nullglob
status=0
for src in "$repo"/tests/fuzz/*.cpp; do
  name=$(basename "$src" .cpp)
  work="$repo/build/fuzz/corpus/$name"
  mkdir -p "$work"
  seeds=()
  [[ -d "$repo/tests/fuzz/seeds/$name" ]] && seeds=("$repo/tests/fuzz/seeds/$name")
  if "$repo/build/fuzz/bin/$name" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=0 \
      "$work" "${seeds[@]}" >"$repo/build/fuzz/$name.log" 2>&1; then
    echo "fuzz $name: ${seconds}s, no finding ($(grep -c . "$repo/build/fuzz/$name.log") log lines)"
  else
    echo "fuzz $name: FINDING, see build/fuzz/$name.log"
    tail -n 30 "$repo/build/fuzz/$name.log"
    status=1
  fi
done
exit $status
