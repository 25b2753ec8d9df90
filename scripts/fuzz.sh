#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for SECONDS (60 by default) from its
# seed corpus. An input that makes a target fail is kept in tests/fuzz/regressions/TARGET, where the
# ordinary test run replays it from then on.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(text decode list_parsers item_parsers settings cookies naming)
bash scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz > /dev/null
cmake --build --preset fuzz
export no_proxy=127.0.0.1,localhost http_proxy=
status=0
for target in "${targets[@]}"; do
  corpus=$(mktemp -d)
  cp -r "tests/fuzz/corpus/$target/." "$corpus/"
  regressions=tests/fuzz/regressions/$target
  echo "== $target ($seconds s)"
  if ! ASAN_OPTIONS=detect_leaks=0 "build/fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=65536 \
      -timeout=20 -rss_limit_mb=4096 -artifact_prefix="$regressions/" -print_final_stats=1 "$corpus" \
      2>&1 | tail -n 12; then
    status=1
  fi
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  rm -rf "$corpus"
done
ls tests/fuzz/regressions/*/ | grep -v '^\.keep$' | grep -E 'crash|leak|timeout|oom' && status=1
exit $status
