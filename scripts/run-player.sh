#!/usr/bin/env bash
# Starts the player on the packages beside the built program.
set -euo pipefail
build=${1:-build}
if [ -x "$build/tools/zrx-text" ]; then
  exec "$build/tools/zrx-text" --folder "$build/bin"
fi
echo "No player has been built yet; the test suite shows what loads today (make test)."
