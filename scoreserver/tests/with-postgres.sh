#!/usr/bin/env bash
# Runs a command beside a throwaway PostgreSQL server of its own (a new cluster in a
# temporary folder, reachable only through a unix socket there) and stops it afterwards.
# The command finds the server in WTRQ_TEST_POSTGRES, a libpq connection string.
set -euo pipefail
bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [[ -z "$bindir" ]]; then
  echo "with-postgres: no PostgreSQL server installed (Debian package postgresql)" >&2
  exit 1
fi
folder=$(mktemp -d /tmp/wtrq-postgres.XXXXXX)
as_owner=()
if [[ $(id -u) -eq 0 ]]; then
  # The server refuses to run as root.
  chown postgres: "$folder"
  as_owner=(runuser -u postgres --)
fi
stop() {
  "${as_owner[@]}" "$bindir/pg_ctl" -D "$folder/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$folder"
}
trap stop EXIT
"${as_owner[@]}" "$bindir/initdb" -D "$folder/data" -A trust -U postgres --no-sync >"$folder/initdb.log" 2>&1 ||
  { cat "$folder/initdb.log" >&2; exit 1; }
"${as_owner[@]}" "$bindir/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w \
  -o "-k $folder -c listen_addresses='' -c max_connections=20 -c shared_buffers=32MB" start >/dev/null ||
  { cat "$folder/server.log" >&2; exit 1; }
export WTRQ_TEST_POSTGRES="host=$folder user=postgres"
"$@"
