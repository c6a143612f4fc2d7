#!/usr/bin/env bash
# Starts the player on the packages beside the built program: the desktop program when a
# display is there, the text player otherwise. `run-player.sh BUILD text` always starts the
# text player.
set -euo pipefail
build=${1:-build}
mode=${2:-auto}
if [ "$mode" != "text" ] && [ -x "$build/bin/zrx" ]; then
  if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$build/bin/zrx"
  fi
  echo "Nincs grafikus kijelző (DISPLAY, WAYLAND_DISPLAY): a szöveges játékos indul."
fi
if [ -x "$build/bin/zrx-text" ]; then
  exec "$build/bin/zrx-text"
fi
echo "No player has been built yet; the test suite shows what loads today (make test)."
