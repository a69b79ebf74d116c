#!/bin/bash
# tools/db-setup on an embedded database that an older schema made (customer
# and office names compared with regard to case): the names then sort
# without regard to case, every row is kept, and a second run changes
# nothing.
#   DbSetupUpgradeTest.sh <source root>
set -euo pipefail
root="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The data source is registered in this folder, never in the user's files.
export ODBCSYSINI="$work" ODBCINI="$work/odbc.ini"

db="$work/OstryQuotes.db"
sed 's/ COLLATE NOCASE//' "$root/db/sqlite/schema.sql" | sqlite3 -bail "$db"
sqlite3 -bail "$db" "
    INSERT INTO Customers (CustNo, Customer, City) VALUES ('K2', 'ACME', 'Troy'), ('K1', 'Acme', NULL), ('K3', 'Apex', 'Rome');
    INSERT INTO Offices (OfficeNo, Ostry, Kestrom, Office) VALUES ('O2', 1, 0, 'MAIN'), ('O1', 0, 1, 'Main');
    INSERT INTO Project (CorvNumber, QuoteNo) VALUES (7, 'Q-7');"

failed=0
check() {
    local got
    got="$(sqlite3 "$db" "$2")"
    if [ "$got" != "$3" ]; then
        echo "FAIL ($1): $2 gave '$got', not '$3'"
        failed=1
    fi
}
for run in first second; do
    bash "$root/tools/db-setup" sqlite "$work" --dsn "Corv Upgrade Test" 2>/dev/null
    check "$run" "SELECT group_concat(CustNo || ':' || ifnull(City, '-'), ' ') FROM
                  (SELECT * FROM Customers WHERE Customer >= 'acme' ORDER BY Customer, CustNo)" "K1:- K2:Troy K3:Rome"
    check "$run" "SELECT group_concat(OfficeNo || Ostry || Kestrom, ' ') FROM
                  (SELECT * FROM Offices ORDER BY Office DESC, OfficeNo DESC)" "O210 O101"
    check "$run" "SELECT QuoteNo FROM Project" "Q-7"
done
exit "$failed"
