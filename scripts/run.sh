#!/usr/bin/env bash
# Sets up (packages, build, DataFile) and starts the program. On a machine without a
# display it runs under a virtual one and saves a picture of the main window instead.
set -euo pipefail
KIVORA_ROOT="$(cd "$(dirname "$0")/.." && pwd)"
. "$KIVORA_ROOT/scripts/packages.sh"
kivora_install_packages
kivora_build
cd "$KIVORA_ROOT/build"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec ./kivora
fi
xvfb-run -a -s "-screen 0 1280x1024x24" ./tools/kivora_shot "$KIVORA_ROOT/build" "$KIVORA_ROOT/build/screenshot.png"
echo "No display here: Kivora was started on a virtual screen and closed again."
echo "Picture of the main window: $KIVORA_ROOT/build/screenshot.png"
echo "Help guide (open it in a browser): $KIVORA_ROOT/build/help/index.html"
