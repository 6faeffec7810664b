#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Without a display
# it runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build-rel/orvane "$@"
fi
exec build-rel/orvane "$@"
