#!/usr/bin/env bash
# Loads a generated data file of 1,000,000 rows x 6 fields into the recipient table, side by
# side with `wc -l` on the same file, and measures the load's peak memory.
# Usage: bash bench/engine_load/run.sh [BUILD_DIR]   (default: build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target engine_load_bench >/dev/null
bench=$build/bin/engine_load_bench

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
data=$work/recipients.txt
"$bench" generate "$data" 1000000
size=$(stat -c %s "$data")
echo "data file: $(wc -l <"$data") lines, $size bytes"

hyperfine -N --warmup 3 --runs 20 --export-json "$work/times.json" "wc -l $data" "$bench load $data"

peak_kb=0
for _ in 1 2 3; do
  kb=$(/usr/bin/time -f %M "$bench" load "$data" 2>&1 >/dev/null | tail -n 1)
  ((kb > peak_kb)) && peak_kb=$kb
done

/usr/bin/python3 - "$work/times.json" "$size" "$peak_kb" <<'PY'
import json, sys
times = json.load(open(sys.argv[1]))["results"]
wc, load = times[0]["mean"], times[1]["mean"]
size, peak = int(sys.argv[2]), int(sys.argv[3]) * 1024
limit = 1.5 * size + 20 * 2**20
ratio_ok, peak_ok = load <= 10 * wc, peak <= limit
print(f"load {load * 1e3:.1f} ms = {load / wc:.1f} x wc -l ({wc * 1e3:.1f} ms); target <= 10 x: {'met' if ratio_ok else 'MISSED'}")
print(f"peak memory {peak / 2**20:.1f} MiB for a {size / 2**20:.1f} MiB file; target <= {limit / 2**20:.1f} MiB: {'met' if peak_ok else 'MISSED'}")
sys.exit(0 if ratio_ok and peak_ok else 1)
PY
