#!/usr/bin/env bash
# Builds and runs every benchmark; prints one line per figure:
#   name: VALUE UNIT (baseline BASE UNIT, ratio R)
# and, for the figures also taken on PostgreSQL, one more:
#   name: sqlite VALUE UNIT, postgresql VALUE UNIT (ratio R)
set -euo pipefail
KIVORA_ROOT="$(cd "$(dirname "$0")/.." && pwd)"
. "$KIVORA_ROOT/scripts/packages.sh"
kivora_install_packages
cmake -S "$KIVORA_ROOT" -B "$KIVORA_ROOT/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$KIVORA_ROOT/build" -j2 --target benchmarks >/dev/null
cd "$KIVORA_ROOT/build"
export QT_QPA_PLATFORM=offscreen

# The customer, document and ledger benchmarks also run on PostgreSQL, on the server
# KIVORA_BENCH_PG names (libpq's key=value form); without it, on a throw-away cluster in a
# temporary folder, stopped and removed at the end. Without PostgreSQL they run on SQLite
# alone.
if [ -z "${KIVORA_BENCH_PG:-}" ]; then
  pg_dir=$(mktemp -d)
  # Without the server programs, stopping fails too; the folder goes all the same.
  trap '"$KIVORA_ROOT/scripts/pg-cluster.sh" stop "$pg_dir" 2>/dev/null || rm -rf "$pg_dir"' EXIT
  status=0
  pg_line=$("$KIVORA_ROOT/scripts/pg-cluster.sh" start "$pg_dir" 2>"$pg_dir.log") || status=$?
  if [ "$status" -eq 0 ]; then
    pg_line=${pg_line#KIVORA_TEST_PG=\"}
    export KIVORA_BENCH_PG=${pg_line%\"}
  elif [ "$status" -eq 3 ]; then
    echo "postgresql: skipped, no PostgreSQL server programs (initdb, pg_ctl) on this machine"
  else
    echo "postgresql: skipped, the throw-away cluster did not start: $(tail -n 1 "$pg_dir.log")"
  fi
  rm -f "$pg_dir.log"
fi
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
