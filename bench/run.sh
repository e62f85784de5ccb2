#!/usr/bin/env bash
# Builds and runs every benchmark; prints one line per figure:
#   name: VALUE UNIT (baseline BASE UNIT, ratio R)
set -euo pipefail
KIVORA_ROOT="$(cd "$(dirname "$0")/.." && pwd)"
. "$KIVORA_ROOT/scripts/packages.sh"
kivora_install_packages
cmake -S "$KIVORA_ROOT" -B "$KIVORA_ROOT/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$KIVORA_ROOT/build" -j2 --target benchmarks >/dev/null
cd "$KIVORA_ROOT/build"
export QT_QPA_PLATFORM=offscreen
./bench/bench_startup "$KIVORA_ROOT/build/DataFile" 2>/dev/null
./bench/bench_postal "$KIVORA_ROOT/build/DataFile/PostCode.mdb"
./bench/bench_customers "$KIVORA_ROOT"
./bench/bench_documents "$KIVORA_ROOT"
./bench/bench_ledger "$KIVORA_ROOT"
./bench/bench_lists "$KIVORA_ROOT" 2>/dev/null
./bench/bench_print 2>/dev/null
./bench/bench_bill "$KIVORA_ROOT"
./bench/bench_listprint "$KIVORA_ROOT" 2>/dev/null
./bench/bench_labels "$KIVORA_ROOT" 2>/dev/null
