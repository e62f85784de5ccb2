#!/usr/bin/env bash
# Sets up (packages, build) and runs every test twice: on the SQLite files, then with the
# main database on a throw-away PostgreSQL server (scripts/pg-cluster.sh). Exits non-zero
# when either run fails. When the server programs cannot be installed or the server does
# not start, the second run is reported as skipped, never as passed, and the first run's
# status is the script's.
set -euo pipefail
KIVORA_ROOT="$(cd "$(dirname "$0")/.." && pwd)"
. "$KIVORA_ROOT/scripts/packages.sh"
kivora_install_packages
kivora_build
cd "$KIVORA_ROOT/build"
# Whatever the calling shell exported must not move the first run onto a server.
unset KIVORA_TEST_PG
status=0
echo "== Tests on SQLite"
ctest --output-on-failure --timeout 600 -j2 || status=1

skip() {
  echo "SKIPPED: the PostgreSQL runs ($1)"
  exit "$status"
}
# Server programs of one's own (PG_BIN, or initdb on the PATH) need no package.
log=$(mktemp)
if [ -z "${PG_BIN:-}" ] && ! command -v initdb >/dev/null 2>&1 &&
  ! kivora_install_optional >"$log" 2>&1; then
  reason=$(grep -v '^Installing' "$log" | tail -n 1)
  rm -f "$log"
  skip "server programs not installable: ${reason:-apt-get failed}"
fi
rm -f "$log"

# The cluster lives in a folder of its own and goes with the script, whatever the tests do.
# Under root the cluster belongs to an ordinary user, who must be able to pass the folder.
pg_parent=$(mktemp -d)
chmod 711 "$pg_parent"
cleanup() {
  "$KIVORA_ROOT/scripts/pg-cluster.sh" stop "$pg_parent/pg" >/dev/null 2>&1 || true
  rm -rf "$pg_parent"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
if ! line=$("$KIVORA_ROOT/scripts/pg-cluster.sh" start "$pg_parent/pg" 2>"$pg_parent/start.err"); then
  skip "server did not start: $(tail -n 1 "$pg_parent/start.err")"
fi
# pg-cluster.sh prints KIVORA_TEST_PG="..."; take the value between the quotes.
KIVORA_TEST_PG=${line#*=\"}
export KIVORA_TEST_PG=${KIVORA_TEST_PG%\"}
echo "== Tests on PostgreSQL ($KIVORA_TEST_PG)"
ctest --output-on-failure --timeout 600 -j2 || status=1
exit "$status"
