#!/usr/bin/env bash
# Renders every delivered document, list and label layout with sample data: one PDF per
# layout or sheet in OUTDIR, and a PNG per page beside it when pdftoppm is there, for looking at the forms
# as pictures. Builds only the gallery tool; runs on a temporary copy of the databases.
#
#   scripts/gallery.sh OUTDIR [--gothic]
set -euo pipefail
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 OUTDIR [--gothic]" >&2
  exit 2
fi
KIVORA_ROOT="$(cd "$(dirname "$0")/.." && pwd)"
OUTDIR="$1"
shift
cmake -S "$KIVORA_ROOT" -B "$KIVORA_ROOT/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$KIVORA_ROOT/build" -j2 --target kivora_gallery
mkdir -p "$OUTDIR"
# The tool needs no screen; its own temporary folder keeps the user's settings untouched.
RUNTIME="$(mktemp -d)"
trap 'rm -rf "$RUNTIME"' EXIT
chmod 700 "$RUNTIME"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$RUNTIME" \
  "$KIVORA_ROOT/build/tools/kivora_gallery" "$KIVORA_ROOT" "$OUTDIR" "$@"
if command -v pdftoppm >/dev/null; then
  for pdf in "$OUTDIR"/layout-*.pdf "$OUTDIR"/list-*.pdf "$OUTDIR"/label-*.pdf; do
    pdftoppm -r 100 -png "$pdf" "${pdf%.pdf}"
  done
  echo "Pages as pictures: $OUTDIR/layout-*.png, $OUTDIR/list-*.png, $OUTDIR/label-*.png"
fi
