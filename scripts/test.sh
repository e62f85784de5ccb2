#!/usr/bin/env bash
# Sets up (packages, build) and runs every test; exits non-zero on any failure.
set -euo pipefail
KIVORA_ROOT="$(cd "$(dirname "$0")/.." && pwd)"
. "$KIVORA_ROOT/scripts/packages.sh"
kivora_install_packages
kivora_build
cd "$KIVORA_ROOT/build"
ctest --output-on-failure --timeout 600 -j2
