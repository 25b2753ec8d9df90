#!/usr/bin/env bash
# One album of PICTURES pictures of KIB KiB from market-sim on loopback, downloaded by vantrel-cli
# with 15 threads, and the same addresses (the album's ".lst" file) by aria2c -j 15, in the same run.
# Prints both wall times, their ratio and the program's peak memory.
#   bench/download_bench.sh [PICTURES] [KIB]
set -euo pipefail
cd "$(dirname "$0")/.."
pictures=${1:-300} kib=${2:-150}
source bench/market_env.sh
cat > catalogue.json <<JSON
{ "shops": [ { "kind": "taobao", "host": "bench.taobao.com", "nick": "bench", "pageSize": 10,
  "items": [ { "id": "9001", "name": "album", "pictures": $pictures, "descriptionPictures": 0, "pictureKB": $kib } ] } ] }
JSON
start_market catalogue.json
"$cli" settings threads=15 timeout=30 thunder-list-only=0 fix-order=0 open-folder=0 > /dev/null

# Peak memory and wall time of one command, measured by its parent.
measure() {
  python3 - "$@" <<'PY'
import resource, subprocess, sys, time
start = time.monotonic()
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
wall = time.monotonic() - start
print(f"{wall:.3f} {resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss}")
PY
}

read -r vantrel_s vantrel_kb < <(measure "$cli" download http://bench.taobao.com/ --save-path "$work/vantrel")
"$cli" settings thunder-list-only=1 > /dev/null
"$cli" download http://bench.taobao.com/ --save-path "$work/list" > /dev/null 2>&1
list=$(find "$work/list" -name '*.lst' | head -n 1)
read -r aria_s _ < <(measure aria2c -q -j 15 -x 1 --all-proxy="$http_proxy" --allow-overwrite=true -d "$work/aria" -i "$list")
got=$(find "$work/vantrel" -name '*.jpg' | wc -l)
echo "pictures: $pictures of $kib KiB; vantrel-cli wrote $got"
echo "vantrel-cli (15 threads): ${vantrel_s} s, peak memory $((vantrel_kb / 1024)) MiB"
echo "aria2c -j 15:             ${aria_s} s"
python3 -c "print(f'ratio vantrel/aria2c: {$vantrel_s / $aria_s:.2f} (target at most 1.1)')"
python3 -c "print(f'memory bound (threads x picture): {15 * $kib / 1024:.1f} MiB plus the program itself')"
