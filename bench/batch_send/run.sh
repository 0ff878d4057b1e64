#!/usr/bin/env bash
# A check and send of 2,000 rows through a stub mailer that prints one line, against a plain C
# loop spawning the same stub 2,000 times with the same output redirection. The two alternate
# for five rounds, so a change in the machine's load hits both alike. Other work on the machine
# only ever adds time, so the fastest round of each is compared; medians and CPU times are shown.
# Usage: bash bench/batch_send/run.sh [BUILD_DIR]   (default: build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
rows=2000
rounds=5
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target batch_send_bench batch_send_spawn_loop batch_send_stub_mailer >/dev/null
bin=$build/bin
stub=$bin/batch_send_stub_mailer

work=$(mktemp -d)/
trap 'rm -rf "$work"' EXIT
measure() {  # runs the command; prints its wall time and its CPU time (with its children), in seconds
  /usr/bin/time -f "%e %U %S" "$@" 2>&1 >/dev/null | tail -n 1 | awk '{ printf "%s %.2f\n", $1, $2 + $3 }'
}
loop_wall=() loop_cpu=() run_wall=() run_cpu=()
for ((round = 1; round <= rounds; round++)); do
  read -r wall cpu < <(measure "$bin/batch_send_spawn_loop" "$stub" "$work" "$rows")
  loop_wall+=("$wall") loop_cpu+=("$cpu")
  read -r wall cpu < <(measure "$bin/batch_send_bench" "$stub" "$work" "$rows")
  run_wall+=("$wall") run_cpu+=("$cpu")
  echo "round $round: spawn loop ${loop_wall[-1]} s (CPU ${loop_cpu[-1]} s), batch run ${run_wall[-1]} s (CPU ${run_cpu[-1]} s)"
done

/usr/bin/python3 - "${loop_wall[*]}" "${run_wall[*]}" "${loop_cpu[*]}" "${run_cpu[*]}" "$rows" <<'PY'
import statistics, sys
loop, run, loop_cpu, run_cpu = ([float(x) for x in arg.split()] for arg in sys.argv[1:5])
rows = int(sys.argv[5])
def line(name, pick):
    a, b = pick(loop), pick(run)
    return (f"{name}: spawn loop {a:.2f} s ({a / rows * 1e3:.2f} ms a mail), "
            f"batch run {b:.2f} s ({b / rows * 1e3:.2f} ms a mail) = {b / a:.2f} x")
ok = min(run) <= 1.3 * min(loop)
print(line("fastest round", min) + f"; target <= 1.3 x: {'met' if ok else 'MISSED'}")
print(line("median", statistics.median))
print(f"median CPU time (mailers included): spawn loop {statistics.median(loop_cpu):.2f} s, "
      f"batch run {statistics.median(run_cpu):.2f} s")
sys.exit(0 if ok else 1)
PY
