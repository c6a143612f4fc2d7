#!/usr/bin/env bash
# Starts a player on the packages beside the built programs ("Source" and the others in bin/):
# the desktop program `zrx` (make run), or the text player `zrx-text` (make run-text).
set -euo pipefail
build=${1:-build}
player=${2:-zrx}
if [ -x "$build/bin/$player" ]; then
  exec "$build/bin/$player" "${@:3}"
fi
echo "$player has not been built yet (make build)."
exit 1
