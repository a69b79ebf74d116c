#!/bin/bash
# tools/db-setup pointing the program at a PostgreSQL server that already
# runs, as a team's does; the test run's private server stands in for it.
# After the set-up, the program's own store and find reach that server
# through its data source; a second set-up keeps every stored row.
#   DbSetupSharedTest.sh <source root> <test_database program>
# Skipped (77) when the run started no PostgreSQL server.
set -euo pipefail
root="$1"
program="$2"
pg="${CORV_PG_DIR:-}"
if [ -z "$pg" ] || [ ! -f "$pg/port" ] || [ ! -S "$pg/run/.s.PGSQL.$(cat "$pg/port")" ]; then
    echo "no PostgreSQL server in this run: skipped"
    exit 77
fi
port="$(cat "$pg/port")"
database="corv_shared_$$"
admin="corv_setup_admin_$$"
superuser="$(id -un)"
if [ "$(id -u)" = 0 ]; then superuser=postgres; fi

# The server's own superuser, through its socket.
as_superuser() {
    psql -X -q -At -v ON_ERROR_STOP=1 -h "$pg/run" -p "$port" -U "$superuser" -d postgres "$@"
}
as_program() {
    PGPASSWORD=Kelso_Wrint psql -X -q -At -v ON_ERROR_STOP=1 -h 127.0.0.1 -p "$port" -U Corv2004 \
        -d "$database" -c "$1"
}

work="$(mktemp -d)"
cleanup() {
    as_superuser -c "DROP DATABASE IF EXISTS $database WITH (FORCE)" -c "DROP ROLE IF EXISTS $admin" || true
    rm -rf "$work"
}
trap cleanup EXIT
# The team's data source goes into this folder, never into the run's or the user's files.
export ODBCSYSINI="$work" ODBCINI="$work/odbc.ini"
bash "$root/tools/db-setup" drivers

# A team's administrator account, with a password, as on a real server.
as_superuser -c "CREATE ROLE $admin LOGIN SUPERUSER PASSWORD 'Setup_Admin_1'"
set_up() {
    PGPASSWORD=Setup_Admin_1 bash "$root/tools/db-setup" postgres shared --host 127.0.0.1 --port "$port" \
        --database "$database" --admin "$admin" 2>"$work/setup.log" || {
        cat "$work/setup.log"
        exit 1
    }
}
store_and_find() {
    CORV_SHARED_DB_CHECK=1 "$program" --gtest_filter='SharedDataSource.*' >"$work/check.log" 2>&1 || {
        cat "$work/check.log"
        failed=1
    }
}
# Project, Summary, Detail and number rows.
counts() {
    as_program "SELECT (SELECT COUNT(*) FROM Project) || ' ' || (SELECT COUNT(*) FROM Summary) || ' ' ||
                       (SELECT COUNT(*) FROM Detail) || ' ' || (SELECT COUNT(*) FROM CorvNumbers)"
}
every_row() {
    as_program "SELECT string_agg(r, '|' ORDER BY r) FROM (SELECT p::text AS r FROM Project p UNION ALL
                SELECT s::text FROM Summary s UNION ALL SELECT d::text FROM Detail d UNION ALL
                SELECT n::text FROM CorvNumbers n) rows" | md5sum
}
failed=0
expect() {
    if [ "$2" != "$3" ]; then
        echo "FAIL ($1): '$2', not '$3'"
        failed=1
    fi
}

set_up
expect "a new database" "$(counts)" "0 0 0 0"
store_and_find
expect "after a store" "$(counts)" "1 2 2 1"
before="$(every_row)"
set_up
grep -q "kept as they are" "$work/setup.log" || { echo "FAIL: the second run did not keep the tables"; cat "$work/setup.log"; failed=1; }
expect "a second set-up" "$(every_row)" "$before"
store_and_find
expect "a second store" "$(counts)" "2 4 4 2"
exit "$failed"
