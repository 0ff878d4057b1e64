#!/bin/bash
# Opens a generated data file of 1,000,000 rows in the main window (offscreen: load, grid
# model, first paint) and checks the targets: at most 1.3 times the engine's load alone,
# measured side by side in one process, and a peak memory of at most 1.5 times the file
# size + 80 MB. Also shows both as whole programs with hyperfine (Qt's start-up included).
# Usage: bench/open_window/run.sh [BUILD_DIR]   (default: build)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=$(cd "${1:-$source_dir/build}" && pwd)
cmake --build "$build_dir" --target open_window_bench engine_load_bench >/dev/null
bench="$build_dir/bin/open_window_bench"
engine="$build_dir/bin/engine_load_bench"

work=$(mktemp -d /tmp/open-window-bench-XXXXXX)
trap 'rm -rf "$work"' EXIT
data="$work/million.txt"
"$engine" generate "$data" 1000000
size=$(stat -c %s "$data")
echo "data file: 1,000,000 rows, $((size / 1000000)) MB"

echo
echo "== time, side by side in one process (5 rounds each, taking turns)"
line=$("$bench" compare "$data" 5 2>/dev/null | head -1)
echo "$line"
ratio=$(sed -n 's/.*ratio \([0-9.]*\).*/\1/p' <<<"$line")

echo
echo "== peak memory of opening it in the main window"
/usr/bin/time -f "%M" -o "$work/rss" "$bench" open "$data" >/dev/null 2>&1
rss_kb=$(cat "$work/rss")
limit_kb=$(( (size * 3 / 2) / 1024 + 80 * 1024 ))
echo "peak RSS $((rss_kb / 1024)) MB (limit 1.5 x file + 80 MB = $((limit_kb / 1024)) MB)"

echo
echo "== whole programs, for comparison (window start-up of Qt included)"
hyperfine --warmup 1 --runs 5 -N --style basic -n "engine load alone" "$engine load $data" \
  -n "vxbiz window open" "$bench open $data" 2>/dev/null | grep -vE '^ *Range|^$' || true

echo
ok=1
awk -v r="$ratio" 'BEGIN { exit !(r <= 1.3) }' && echo "time: ratio $ratio <= 1.3 OK" || { echo "time: ratio $ratio > 1.3 FAILED"; ok=0; }
((rss_kb <= limit_kb)) && echo "memory: OK" || { echo "memory: FAILED"; ok=0; }
((ok))
