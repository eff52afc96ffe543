#!/usr/bin/env bash
# Installs what is needed, builds the programs and starts the desktop program on the shipped
# example monthly climate file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash .ci/install-deps
cmake --preset release -DVESKARO_BENCH=OFF >/dev/null
cmake --build --preset release
echo "Command-line example: build/release/src/cli/veskaro-cli schedule --session examples/MAIZE.SES"
# build/release/src/cli/veskaro-cli schedule --session examples/MAIZE.SES
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: the desktop program needs one (for example: xvfb-run scripts/run.sh)." >&2
  exit 1
fi
exec build/release/src/app/veskaro examples/NAIROBI.PEM
