#!/usr/bin/env bash
# Installs what is needed, builds everything in the dev preset and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash .ci/install-deps
export VESKARO_HOME="${VESKARO_HOME:-$(mktemp -d)}"
cmake --preset dev >/dev/null
cmake --build --preset dev
QT_QPA_PLATFORM=offscreen ctest --preset dev
