#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in run/.
#   --demo  starts market-sim too and points the program at it (no internet needed): the demo shops'
#           addresses are in the address box's drop-down list.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j2 --target vantrel vantrel-cli market-sim
export QTWEBENGINE_DISABLE_SANDBOX=1
bin=$PWD/build/release

if [ "${1:-}" = "--demo" ]; then
  shift
  mkdir -p run-demo
  cd run-demo
  "$bin/tools/market-sim/market-sim" > market-sim.address &
  sim=$!
  trap 'kill $sim 2>/dev/null || true' EXIT
  for _ in $(seq 50); do [ -s market-sim.address ] && break; sleep 0.1; done
  export http_proxy
  http_proxy=$(head -n 1 market-sim.address)
  echo "market-sim at $http_proxy: pick a demo shop from the address box's drop-down list, then press 获取相册"
  # One fetch of each demo shop puts its address into the recent list.
  for address in http://vantrel-demo.1688.com/ http://vantrel-demo.tmall.com/category-1.htm http://vantrel-demo.taobao.com/; do
    "$bin/src/cli/vantrel-cli" albums "$address" > /dev/null 2>&1 || true
  done
  "$bin/src/gui/vantrel" "$@"
  exit 0
fi

mkdir -p run
cd run
exec "$bin/src/gui/vantrel" "$@"
