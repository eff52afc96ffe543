#!/usr/bin/env bash
# Installs what is needed, builds the programs and starts the desktop program on the shipped
# example monthly climate file. Without a display it runs the command-line example instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash .ci/install-deps
cmake --preset release -DVESKARO_BENCH=OFF >/dev/null
cmake --build --preset release
echo "Command-line example: build/release/src/cli/veskaro-cli schedule --session examples/MAIZE.SES"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display for the desktop program (try: xvfb-run scripts/run.sh); running the command-line example." >&2
  exec build/release/src/cli/veskaro-cli schedule --session examples/MAIZE.SES
fi
exec build/release/src/app/veskaro examples/NAIROBI.PEM
