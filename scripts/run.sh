#!/usr/bin/env bash
# Starts the planner, or explains how to when there is no display to open a window on.
set -euo pipefail
program=${1:-build/runeplan}
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && "${QT_QPA_PLATFORM:-}" != offscreen ]]; then
  echo "No display found; run it under a virtual one: xvfb-run -a -s '-screen 0 1280x1024x24' $program"
  exit 1
fi
exec "$program"
