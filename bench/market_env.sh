# Sourced by the benchmarks: builds the release programs, makes a work folder, starts market-sim on
# the catalogue given and points http_proxy at it. Sets bin, work, cli; stops everything on exit.
#   start_market CATALOGUE.json
bash scripts/install-deps.sh
cmake --preset release > /dev/null
cmake --build --preset release -j2 --target vantrel-cli market-sim > /dev/null
bin=$PWD/build/release
cli=$bin/src/cli/vantrel-cli
work=$(mktemp -d)
trap 'kill ${sim:-0} 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"

start_market() {
  "$bin/tools/market-sim/market-sim" "$1" > sim.address 2> /dev/null &
  sim=$!
  for _ in $(seq 100); do [ -s sim.address ] && break; sleep 0.05; done
  export http_proxy
  http_proxy=$(head -n 1 sim.address)
}
