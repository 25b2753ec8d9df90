#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j2 --target vantrel vantrel-cli
export QTWEBENGINE_DISABLE_SANDBOX=1
mkdir -p run
cd run
exec ../build/release/src/gui/vantrel "$@"
