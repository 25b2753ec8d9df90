#!/usr/bin/env bash
# Load: a list fetch of a shop of PAGES pages, and a download of PICTURES pictures, from market-sim on
# loopback, with the expected counts, and peak memory and open file descriptors of vantrel-cli.
#   bench/load_bench.sh [PAGES] [PICTURES]
set -euo pipefail
cd "$(dirname "$0")/.."
pages=${1:-200} pictures=${2:-2000}
source bench/market_env.sh
per_album=100
albums=$((pictures / per_album))
python3 - "$pages" "$albums" "$per_album" > catalogue.json <<'PY'
import json, sys
pages, albums, per_album = map(int, sys.argv[1:])
big = {"kind": "taobao", "host": "big.taobao.com", "nick": "big", "pageSize": 10,
       "items": [{"id": str(100000 + i), "name": f"item {i}", "sales": f"{i}", "pictures": 1} for i in range(pages * 10)]}
pics = {"kind": "taobao", "host": "pics.taobao.com", "nick": "pics", "pageSize": 40,
        "items": [{"id": str(900000 + i), "name": f"album {i}", "pictures": per_album, "descriptionPictures": 0,
                   "pictureKB": 40} for i in range(albums)]}
print(json.dumps({"shops": [big, pics]}))
PY
start_market catalogue.json
"$cli" settings threads=15 fix-order=0 open-folder=0 > /dev/null

# Runs the command, sampling its open descriptors; prints wall time, peak memory and most descriptors.
measure() {
  python3 - "$@" <<'PY'
import os, resource, subprocess, sys, time
start = time.monotonic()
child = subprocess.Popen(sys.argv[1:], stdout=open("out.txt", "w"), stderr=subprocess.DEVNULL)
most = 0
while child.poll() is None:
    try:
        most = max(most, len(os.listdir(f"/proc/{child.pid}/fd")))
    except OSError:
        pass
    time.sleep(0.02)
print(f"{time.monotonic() - start:.2f} {resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss // 1024} {most} {child.returncode}")
PY
}

read -r s mem fds rc < <(measure "$cli" albums http://big.taobao.com/)
echo "list fetch: $(wc -l < out.txt) albums of $((pages * 10)) expected from $pages pages in $s s; peak $mem MiB, at most $fds descriptors (exit $rc)"
read -r s mem fds rc < <(measure "$cli" download http://pics.taobao.com/ --save-path "$work/out")
got=$(find "$work/out" -name '*.jpg' | wc -l)
echo "download: $got pictures of $pictures expected in $albums albums in $s s; peak $mem MiB, at most $fds descriptors (exit $rc)"
