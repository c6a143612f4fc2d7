#!/usr/bin/env bash
# Starts the player on the packages beside the built program ("Source" and the others in bin/).
set -euo pipefail
build=${1:-build}
if [ -x "$build/bin/zrx-text" ]; then
  exec "$build/bin/zrx-text"
fi
echo "No player has been built yet; the test suite shows what loads today (make test)."
