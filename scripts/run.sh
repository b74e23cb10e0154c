#!/usr/bin/env bash
# Builds the designer and starts it. Arguments are passed to the designer
# (for example a layout file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh zentaf-designer
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display: set DISPLAY (an X server, or Xvfb) or WAYLAND_DISPLAY to start the designer." >&2
  echo "To look at it without a screen: xvfb-run -a ./scripts/run.sh" >&2
  exit 2
fi
exec ./"${BUILD_DIR:-build}"/src/zentaf-designer "$@"
