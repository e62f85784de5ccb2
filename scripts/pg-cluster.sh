#!/usr/bin/env bash
# A throw-away PostgreSQL cluster for the tests, in a folder of its own, reachable only
# through a local socket in that folder (no TCP port is opened).
#
#   scripts/pg-cluster.sh start DIR   creates and starts it; prints the line to export:
#                                     KIVORA_TEST_PG="host=DIR/socket port=5432 dbname=postgres user=kivora"
#   scripts/pg-cluster.sh stop DIR    stops it and removes DIR
#
# The server refuses to run as root, so under root the cluster belongs to an ordinary
# user (postgres when it exists, otherwise nobody); the tests connect as the cluster's
# superuser "kivora" with trust authentication on the socket, so no password is needed.
# PG_BIN names the folder of initdb and pg_ctl when they are not on the PATH.
set -euo pipefail
# runuser lives in sbin, which a root shell from plain "su" leaves off the PATH.
PATH="$PATH:/usr/sbin:/sbin"

usage() { echo "usage: $0 start|stop DIR" >&2; exit 2; }
[ $# -eq 2 ] || usage
action=$1
dir=$(realpath -m "$2")

if [ -z "${PG_BIN:-}" ]; then
  if command -v initdb >/dev/null 2>&1; then
    PG_BIN=$(dirname "$(command -v initdb)")
  else
    PG_BIN=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
  fi
fi
if [ -z "$PG_BIN" ] || [ ! -x "$PG_BIN/initdb" ] || [ ! -x "$PG_BIN/pg_ctl" ]; then
  echo "pg-cluster: PostgreSQL server programs (initdb, pg_ctl) not found" >&2
  exit 3
fi

owner=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
  owner=postgres
  id -u "$owner" >/dev/null 2>&1 || owner=nobody
fi
as_owner() {
  if [ "$owner" = "$(id -un)" ]; then "$@"; else runuser -u "$owner" -- "$@"; fi
}

case "$action" in
start)
  if [ -e "$dir" ] && [ -n "$(ls -A "$dir" 2>/dev/null)" ]; then
    echo "pg-cluster: $dir exists and is not empty" >&2
    exit 1
  fi
  mkdir -p "$dir/socket"
  # The owner must reach the folder; the parent must at least let it pass.
  chown -R "$owner" "$dir"
  chmod 700 "$dir"
  chmod 755 "$dir/socket"
  as_owner "$PG_BIN/initdb" -D "$dir/data" -U kivora --auth=trust --encoding=UTF8 \
    --no-locale >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
  # The tests make and drop a database each; durability is of no use here.
  as_owner "$PG_BIN/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -o \
    "-k $dir/socket -c listen_addresses='' -p 5432 -c fsync=off -c synchronous_commit=off -c full_page_writes=off" \
    start >/dev/null || { cat "$dir/server.log" >&2; exit 1; }
  # root can reach the socket anyway; an ordinary user running the tests needs the path.
  chmod 711 "$dir"
  echo "KIVORA_TEST_PG=\"host=$dir/socket port=5432 dbname=postgres user=kivora\""
  ;;
stop)
  if [ -d "$dir/data" ]; then
    as_owner "$PG_BIN/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null || true
  fi
  rm -rf "$dir"
  ;;
*)
  usage
  ;;
esac
