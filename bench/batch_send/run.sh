#!/usr/bin/env bash
# A check and send of 2,000 rows through a stub mailer that prints one line, against a plain C
# loop spawning the same stub 2,000 times with the same output redirection. The two alternate
# for three rounds, so a change in the machine's load hits both alike; medians are compared.
# Usage: bash bench/batch_send/run.sh [BUILD_DIR]   (default: build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
rows=2000
rounds=3
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target batch_send_bench batch_send_spawn_loop batch_send_stub_mailer >/dev/null
bin=$build/bin
stub=$bin/batch_send_stub_mailer

work=$(mktemp -d)/
trap 'rm -rf "$work"' EXIT
seconds() {  # runs the command, prints its wall time in seconds
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  printf "%d.%03d\n" $(((end - start) / 1000000000)) $((((end - start) / 1000000) % 1000))
}
loop_times=() run_times=()
for ((round = 1; round <= rounds; round++)); do
  loop_times+=("$(seconds "$bin/batch_send_spawn_loop" "$stub" "$work" "$rows")")
  run_times+=("$(seconds "$bin/batch_send_bench" "$stub" "$work" "$rows")")
  echo "round $round: spawn loop ${loop_times[-1]} s, batch run ${run_times[-1]} s"
done

/usr/bin/python3 - "${loop_times[*]}" "${run_times[*]}" "$rows" <<'PY'
import statistics, sys
loop = statistics.median(map(float, sys.argv[1].split()))
run = statistics.median(map(float, sys.argv[2].split()))
rows = int(sys.argv[3])
ok = run <= 1.3 * loop
print(f"median: spawn loop {loop:.2f} s ({loop / rows * 1e3:.2f} ms a mail), batch run {run:.2f} s "
      f"({run / rows * 1e3:.2f} ms a mail) = {run / loop:.2f} x; target <= 1.3 x: {'met' if ok else 'MISSED'}")
sys.exit(0 if ok else 1)
PY
