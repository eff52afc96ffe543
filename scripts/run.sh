#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it on the shipped example data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash .ci/install-deps
cmake --preset release -DVESKARO_BENCH=OFF >/dev/null
cmake --build --preset release
build/release/src/cli/veskaro-cli schedule --session examples/MAIZE.SES
