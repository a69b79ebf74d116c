// The shipped schema scripts (db/sqlite/schema.sql, db/postgresql/schema.sql)
// as text, built into the tests and benchmarks by corv_db_schema_scripts;
// the program itself never creates a table.
#pragma once

extern const char* const kSqliteSchemaScript;
extern const char* const kPostgresSchemaScript;
