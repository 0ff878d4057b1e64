#!/bin/bash
# Downloads a 512 MB file from nginx on 127.0.0.1 with the updater's DownloadToFile and with
# `curl -o`, side by side, taking turns, and checks the targets: the median time of the
# DownloadToFile call at most 1.25 times that of the curl process (the time of the whole
# download_bench process, Qt's start-up included, is shown beside it), and a peak memory of
# the whole download_bench process of at most 100 MB. nginx runs with its own
# configuration on a free port in a temporary folder and is stopped at the end.
# Usage: bench/download/run.sh [BUILD_DIR]   (default: build)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=$(cd "${1:-$source_dir/build}" && pwd)
bench="$build_dir/bin/download_bench"
cmake --build "$build_dir" --target download_bench >/dev/null

work=$(mktemp -d /tmp/download-bench-XXXXXX)
chmod 755 "$work"   # nginx's worker may run as another user
nginx_pid=""
cleanup() {
  [ -n "$nginx_pid" ] && kill "$nginx_pid" 2>/dev/null && wait "$nginx_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/www" "$work/temp"
head -c 512M /dev/urandom >"$work/www/setup.bin"
chmod 644 "$work/www/setup.bin"
port=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
cat >"$work/nginx.conf" <<CONF
worker_processes 1;
daemon off;
pid $work/nginx.pid;
error_log $work/error.log;
events { worker_connections 64; }
http {
  access_log off;
  sendfile on;
  client_body_temp_path $work/temp/body;
  proxy_temp_path $work/temp/proxy;
  fastcgi_temp_path $work/temp/fastcgi;
  uwsgi_temp_path $work/temp/uwsgi;
  scgi_temp_path $work/temp/scgi;
  server {
    listen 127.0.0.1:$port;
    root $work/www;
  }
}
CONF
/usr/sbin/nginx -p "$work" -c "$work/nginx.conf" &
nginx_pid=$!
for _ in $(seq 50); do
  curl -s -o /dev/null "http://127.0.0.1:$port/" && break
  sleep 0.1
done

url="http://127.0.0.1:$port/setup.bin"
# The two commands take turns, so a change in the machine's load hits both alike; before each
# run the earlier files are removed and written back, so every run starts from the same state.
/usr/bin/python3 - "$url" "$work" "$bench" <<'PY'
import os, re, statistics, subprocess, sys, time
url, work, bench = sys.argv[1:4]
curl = ["curl", "-s", "-o", f"{work}/curl.bin", url]
orrix = [bench, url, f"{work}/orrix.bin"]
times = {"curl -o (process)": [], "DownloadToFile (call)": [], "download_bench (process)": []}
peaks = []

def fresh_start():
    for f in ("curl.bin", "orrix.bin"):
        if os.path.exists(f"{work}/{f}"): os.remove(f"{work}/{f}")
    os.sync()

for round_ in range(7):
    fresh_start()
    start = time.perf_counter()
    subprocess.run(curl, check=True)
    curl_time = time.perf_counter() - start
    fresh_start()
    start = time.perf_counter()
    done = subprocess.run(orrix, stderr=subprocess.PIPE, text=True, check=True)
    process_time = time.perf_counter() - start
    subprocess.run(["cmp", f"{work}/www/setup.bin", f"{work}/orrix.bin"], check=True)
    peaks.append(int(re.search(r"peak memory (\d+) MB", done.stderr).group(1)))
    if round_ > 0:  # the first round warms the caches
        times["curl -o (process)"].append(curl_time)
        times["DownloadToFile (call)"].append(float(re.search(r"ok in ([\d.]+) s", done.stderr).group(1)))
        times["download_bench (process)"].append(process_time)

print(f"{'':26} {'median s':>9} {'min s':>7} {'max s':>7}")
for name, values in times.items():
    print(f"{name:26} {statistics.median(values):9.3f} {min(values):7.3f} {max(values):7.3f}")
curl_median = statistics.median(times["curl -o (process)"])
ratio = statistics.median(times["DownloadToFile (call)"]) / curl_median
with_start = statistics.median(times["download_bench (process)"]) / curl_median
peak = max(peaks)
print(f"DownloadToFile / curl -o: {ratio:.2f} (target <= 1.25; with Qt's start-up in the process: {with_start:.2f})")
print(f"peak memory of the download_bench process: {peak} MB (target <= 100 MB)")
sys.exit(0 if ratio <= 1.25 and peak <= 100 else 1)
PY
