// Databases for the database tests: a fresh SQLite file per test (always
// available), or the PostgreSQL server that tools/db-setup started (named
// by CORV_TEST_PG_DSN; without it those tests are skipped). Each is loaded
// from the shipped schema and the program's connection string is pointed
// at it for the test's life.
#pragma once

#include <string>
#include <vector>

#include "database/SchemaScripts.h"
#include "framework/core/String.h"

class CDatabase;

enum class TestEngine { SQLite, PostgreSQL };
const char* TestEngineName(TestEngine engine);

class TestDatabase {
public:
    // Makes the database and points the program at it. Check Ready() (or
    // SkipReason()) before use: PostgreSQL may not be available.
    explicit TestDatabase(TestEngine engine);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    bool Ready() const { return m_bReady; }
    const std::string& SkipReason() const { return m_strSkip; }
    TestEngine Engine() const { return m_engine; }
    const std::string& ConnectString() const { return m_strConnect; }

    // Runs statements on a connection of its own (setting up, breaking the
    // schema on purpose); fails the test on a driver error.
    void Execute(const std::string& strSQL);
    void ExecuteAll(const std::vector<std::string>& statements);
    // The rows of a query, each row its columns' texts ("<NULL>" for NULL).
    std::vector<std::vector<std::string>> Query(const std::string& strSQL);
    // One value of a query, or "<none>" when it has no row.
    std::string Scalar(const std::string& strSQL);
    // Every row of the named tables (all job, customer, office and number
    // tables when none are named) in a fixed order: a snapshot to compare
    // before and after a failed change.
    std::vector<std::vector<std::string>> Snapshot(const std::vector<std::string>& tables = {});

    // Opens a connection of the program's own kind on this database.
    void Open(CDatabase& db);

private:
    void CreateSqlite();
    void CreatePostgres();
    void LoadSchema(CDatabase& db, const char* pszSchema);

    TestEngine m_engine;
    bool m_bReady = false;
    std::string m_strSkip;
    std::string m_strConnect;
    std::string m_strFile;  // SQLite
};

// The statements of a schema script (comments dropped, split at ';').
std::vector<std::string> SplitSqlScript(const char* pszScript);

// The shipped CREATE TABLE statement of a table with one column's type
// changed, or the column left out when pszType is null.
std::string ShippedTableWith(TestEngine engine, const char* pszTable, const char* pszColumn,
                             const char* pszType);
// The same with that column moved to the end of the column list.
std::string ShippedTableWithColumnLast(TestEngine engine, const char* pszTable, const char* pszColumn);

// A folder for this test run's files, as this program names it and as the
// host's ODBC drivers name it (they differ only under Wine).
struct TestFolder {
    std::string strProgramPath;
    std::string strHostPath;
};
const TestFolder& TestRunFolder();
