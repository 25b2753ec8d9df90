#!/usr/bin/env bash
# vantrel-cli against market-sim through http_proxy: the album lines of the demo shop, then a
# download of two albums with the format fix, checked file by file.
set -euo pipefail
cli=$1 sim=$2 work=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work"
"$sim" > sim.address 2> sim.log &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s sim.address ] && break; sleep 0.05; done
export http_proxy no_proxy=
http_proxy=$(head -n 1 sim.address)

fail() { echo "FAIL: $*"; exit 1; }

"$cli" albums http://vantrel-demo.taobao.com/ > albums.txt 2> albums.err
[ "$(wc -l < albums.txt)" -eq 20 ] || fail "20 albums expected, got $(wc -l < albums.txt)"
first=$(head -n 1 albums.txt)
expected=$'0001\t2015夏季新款 衬衫 & 配饰 1号\thttp://item.taobao.com/item.htm?id=500001\t//img.alicdn.com/bao/uploaded/500001/cover.jpg_180x180.jpg\t37'
[ "$first" = "$expected" ] || fail "first album line: $first"
grep -q '获取相册列表完成，共20个' albums.err || fail "status text"

"$cli" albums 'http://s.taobao.com/search?q=nothing' > none.txt 2> none.err && fail "an empty search must exit 1"
grep -q '^message: ' none.err || fail "no-album message"

"$cli" settings fix-format=1 > /dev/null
"$cli" download http://vantrel-demo.taobao.com/ --pick 5,1 --save-path out > dl.out 2> dl.err || fail "download: $(cat dl.err)"
album="out/Vantrel演示店/首页全部宝贝/2015夏季新款 半身裙 & 配饰 5号"
[ -d "$album" ] || fail "album folder missing"
[ -f "$album/主图_1.png" ] || fail "format fix did not rename: $(ls "$album")"
[ "$(head -c 8 "$album/主图_1.png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "not PNG bytes"
[ -f "$album/pic.wmz" ] || fail "history file missing"
[ "$(ls "out/Vantrel演示店/首页全部宝贝" | wc -l)" -eq 2 ] || fail "two albums expected"
grep -q '下载完毕' dl.err || fail "no end status"

"$cli" download http://vantrel-demo.taobao.com/ --pick x 2> bad.err && fail "a bad --pick must fail"
echo "cli download: all checks passed"
