#include "DbTestEnv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>

#include "database/Connection.h"
#include "framework/db/DBException.h"
#include "framework/db/Database.h"
#include "framework/db/Recordset.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const char* const kUserPart = "UID=Corv2004;PWD=Kelso_Wrint";

// Reads every column of every row as text through the layer's own fetch.
class TextRowSet : public CRecordset {
public:
    explicit TextRowSet(CDatabase* pDb) : CRecordset(pDb) {}
    int m_nColumns = 0;
    std::vector<CString> m_values;

    void DoFieldExchange(CFieldExchange* pFX) override {
        m_values.resize(static_cast<size_t>(m_nColumns));
        for (int i = 0; i < m_nColumns; ++i)
            RFX_LongText(pFX, "c", m_values[static_cast<size_t>(i)], 1 << 20);
    }
};

int CountColumns(CDatabase& db, const std::string& strSQL) {
    SQLHSTMT hstmt = SQL_NULL_HSTMT;
    SQLAllocHandle(SQL_HANDLE_STMT, db.m_hdbc, &hstmt);
    SQLRETURN rc = SQLExecDirect(hstmt, OdbcText(strSQL.c_str()), SQL_NTS);
    SQLSMALLINT n = 0;
    if (OdbcSucceeded(rc)) SQLNumResultCols(hstmt, &n);
    SQLFreeHandle(SQL_HANDLE_STMT, hstmt);
    return n;
}

std::string MakeRunFolder(std::string* pHost) {
#ifdef _WIN32
    char szTemp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, szTemp);
    std::string strBase = std::string(szTemp) + "corv-dbtest-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(strBase.c_str(), nullptr);
    *pHost = strBase;
    // Under Wine the ODBC drivers are the host's: they need the host's path.
    using UnixName = char*(__cdecl*)(const WCHAR*);
    HMODULE hKernel = GetModuleHandleA("kernel32.dll");
    auto pfnUnix = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(hKernel, "wine_get_unix_file_name")));
    if (pfnUnix != nullptr) {
        WCHAR wszPath[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, strBase.c_str(), -1, wszPath, MAX_PATH);
        if (char* pszUnix = pfnUnix(wszPath)) {
            *pHost = pszUnix;
            HeapFree(GetProcessHeap(), 0, pszUnix);
        }
    }
    return strBase;
#else
    const char* pszTmp = std::getenv("TMPDIR");
    std::string strTemplate = std::string(pszTmp && *pszTmp ? pszTmp : "/tmp") + "/corv-dbtest-XXXXXX";
    std::vector<char> buffer(strTemplate.begin(), strTemplate.end());
    buffer.push_back('\0');
    const char* pszDir = mkdtemp(buffer.data());
    std::string strDir = pszDir ? pszDir : "/tmp";
    *pHost = strDir;
    return strDir;
#endif
}

void RemoveFile(const std::string& strPath) { std::remove(strPath.c_str()); }

// The driver manager unloads a driver with its last connection; one
// connection held for the whole run keeps the SQLite driver loaded, so the
// allocations it never frees are still attributed to it at exit.
void KeepDriverLoaded(const std::string& strHostFile) {
    static CDatabase* s_pKeeper = nullptr;
    if (s_pKeeper != nullptr) return;
    s_pKeeper = new CDatabase;
    try {
        s_pKeeper->OpenEx(("DRIVER={SQLite3};Database=" + strHostFile).c_str(), CDatabase::noOdbcDialog);
    } catch (CException&) {
    }
}

}  // namespace

#ifndef _WIN32
namespace {
// The driver manager's installer library comes and goes with the drivers
// and their setup libraries; unloaded before the leak checker reports at
// exit, the allocations it keeps for the process's life show up as leaks
// of an unknown module. Held loaded, they are named by it (and suppressed
// below).
void* const g_pInstallerLibrary = dlopen("libodbcinst.so.2", RTLD_NOW | RTLD_NODELETE);
}  // namespace

// The drivers keep a few allocations until the process ends; they are not
// the program's leaks.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:psqlodbca.so\nleak:psqlodbcw.so\nleak:libsqlite3odbc\nleak:libodbc.so\nleak:libodbcinst."
           "so\n";
}
#endif

const char* TestEngineName(TestEngine engine) {
    return engine == TestEngine::SQLite ? "SQLite" : "PostgreSQL";
}

const TestFolder& TestRunFolder() {
    static const TestFolder s_folder = [] {
        TestFolder folder;
        folder.strProgramPath = MakeRunFolder(&folder.strHostPath);
        return folder;
    }();
    return s_folder;
}

std::vector<std::string> SplitSqlScript(const char* pszScript) {
    std::vector<std::string> statements;
    std::string strCurrent;
    const char* p = pszScript;
    bool bInQuote = false;
    while (*p) {
        if (!bInQuote && p[0] == '-' && p[1] == '-') {
            while (*p && *p != '\n') ++p;
            continue;
        }
        if (*p == '\'') bInQuote = !bInQuote;
        if (!bInQuote && *p == ';') {
            if (strCurrent.find_first_not_of(" \t\r\n") != std::string::npos)
                statements.push_back(strCurrent);
            strCurrent.clear();
        } else {
            strCurrent += *p;
        }
        ++p;
    }
    if (strCurrent.find_first_not_of(" \t\r\n") != std::string::npos) statements.push_back(strCurrent);
    return statements;
}

std::string ShippedTableWith(TestEngine engine, const char* pszTable, const char* pszColumn,
                             const char* pszType) {
    const char* pszScript = engine == TestEngine::SQLite ? kSqliteSchemaScript : kPostgresSchemaScript;
    for (const std::string& s : SplitSqlScript(pszScript)) {
        if (s.find(std::string("CREATE TABLE ") + pszTable + " (") == std::string::npos) continue;
        // Every column line ends with a comma: the primary key comes last.
        std::regex line("\\n\\s+" + std::string(pszColumn) + "\\s+[^\\n]+");
        return std::regex_replace(s, line,
                                  pszType ? "\n    " + std::string(pszColumn) + " " + pszType + "," : "");
    }
    ADD_FAILURE() << "no table " << pszTable;
    return "";
}

std::string ShippedTableWithColumnLast(TestEngine engine, const char* pszTable, const char* pszColumn) {
    const char* pszScript = engine == TestEngine::SQLite ? kSqliteSchemaScript : kPostgresSchemaScript;
    std::smatch match;
    for (const std::string& s : SplitSqlScript(pszScript)) {
        if (s.find(std::string("CREATE TABLE ") + pszTable + " (") == std::string::npos) continue;
        std::regex line("\\n\\s+" + std::string(pszColumn) + "\\s+([^\\n]+),");
        if (!std::regex_search(s, match, line)) break;
        std::string strType = match[1];
        std::string strWithout = std::regex_replace(s, line, "");
        return std::regex_replace(strWithout, std::regex("PRIMARY KEY"),
                                  std::string(pszColumn) + " " + strType + ",\n    PRIMARY KEY");
    }
    ADD_FAILURE() << "no column " << pszColumn << " in " << pszTable;
    return "";
}

TestDatabase::TestDatabase(TestEngine engine) : m_engine(engine) {
    if (engine == TestEngine::SQLite)
        CreateSqlite();
    else
        CreatePostgres();
    if (m_bReady) CorvSetConnectStringForTests(m_strConnect.c_str());
}

TestDatabase::~TestDatabase() {
    CorvSetConnectStringForTests(nullptr);
    if (!m_strFile.empty()) RemoveFile(m_strFile);
}

void TestDatabase::LoadSchema(CDatabase& db, const char* pszSchema) {
    for (const std::string& strStatement : SplitSqlScript(pszSchema)) db.ExecuteSQL(strStatement.c_str());
}

void TestDatabase::CreateSqlite() {
    static int s_nCount = 0;
    const TestFolder& folder = TestRunFolder();
    std::string strName = "/quotes-" + std::to_string(++s_nCount) + ".db";
#ifdef _WIN32
    m_strFile = folder.strProgramPath + "\\quotes-" + std::to_string(s_nCount) + ".db";
#else
    m_strFile = folder.strProgramPath + strName;
#endif
    std::string strHostFile = folder.strHostPath + strName;
    RemoveFile(m_strFile);
    try {
        CDatabase db;
        db.OpenEx(("DRIVER={SQLite3};Database=" + strHostFile).c_str(), CDatabase::noOdbcDialog);
        LoadSchema(db, kSqliteSchemaScript);
    } catch (CException& e) {
        ADD_FAILURE() << "SQLite test database: " << e.GetErrorMessage().GetString();
        return;
    }
    // Through the registered data source when tools/db-setup made it, so
    // the driver manager resolves the program's DSN; directly otherwise.
    std::string strViaDsn = "DSN=Ostry Quotes;" + std::string(kUserPart) + ";Database=" + strHostFile;
    std::string strDirect =
        "DRIVER={SQLite3};" + std::string(kUserPart) + ";Database=" + strHostFile + ";NoCreat=1";
    m_strConnect = strDirect;
    KeepDriverLoaded(strHostFile);
    try {
        CDatabase db;
        if (db.OpenEx(strViaDsn.c_str(), CDatabase::noOdbcDialog)) m_strConnect = strViaDsn;
    } catch (CException&) {
    }
    m_bReady = true;
}

void TestDatabase::CreatePostgres() {
    const char* pszDsn = std::getenv("CORV_TEST_PG_DSN");
    if (pszDsn == nullptr || *pszDsn == '\0') {
        m_strSkip = "CORV_TEST_PG_DSN is not set (no PostgreSQL server started)";
        return;
    }
    m_strConnect = "DSN=" + std::string(pszDsn) + ";" + kUserPart;
    try {
        CDatabase db;
        db.OpenEx(m_strConnect.c_str(), CDatabase::noOdbcDialog);
        // Whatever an earlier test left behind goes with the schema.
        db.ExecuteSQL("DROP SCHEMA public CASCADE");
        db.ExecuteSQL("CREATE SCHEMA public");
        LoadSchema(db, kPostgresSchemaScript);
    } catch (CException& e) {
        ADD_FAILURE() << "PostgreSQL test database (" << pszDsn << "): " << e.GetErrorMessage().GetString();
        return;
    }
    m_bReady = true;
}

void TestDatabase::Open(CDatabase& db) { db.OpenEx(m_strConnect.c_str(), CDatabase::noOdbcDialog); }

void TestDatabase::Execute(const std::string& strSQL) { ExecuteAll(std::vector<std::string>{strSQL}); }

void TestDatabase::ExecuteAll(const std::vector<std::string>& statements) {
    try {
        CDatabase db;
        Open(db);
        for (const std::string& s : statements) db.ExecuteSQL(s.c_str());
    } catch (CException& e) {
        ADD_FAILURE() << "Execute: " << e.GetErrorMessage().GetString();
    }
}

std::vector<std::vector<std::string>> TestDatabase::Query(const std::string& strSQL) {
    std::vector<std::vector<std::string>> rows;
    try {
        CDatabase db;
        Open(db);
        TextRowSet set(&db);
        set.m_nColumns = CountColumns(db, strSQL);
        set.Open(CRecordset::forwardOnly, strSQL.c_str(), CRecordset::readOnly);
        while (!set.IsEOF()) {
            std::vector<std::string> row;
            for (int i = 0; i < set.m_nColumns; ++i)
                row.push_back(set.IsFieldNull(i) ? "<NULL>"
                                                 : set.m_values[static_cast<size_t>(i)].GetString());
            rows.push_back(row);
            set.MoveNext();
        }
    } catch (CException& e) {
        ADD_FAILURE() << "Query " << strSQL << ": " << e.GetErrorMessage().GetString();
    }
    return rows;
}

std::string TestDatabase::Scalar(const std::string& strSQL) {
    auto rows = Query(strSQL);
    if (rows.empty() || rows[0].empty()) return "<none>";
    return rows[0][0];
}

std::vector<std::vector<std::string>> TestDatabase::Snapshot(const std::vector<std::string>& tables) {
    static const std::vector<std::pair<std::string, std::string>> s_queries = {
        {"Project", "SELECT * FROM Project ORDER BY CorvNumber"},
        {"Summary", "SELECT * FROM Summary ORDER BY CorvNumber, SumLineNo"},
        {"Detail", "SELECT * FROM Detail ORDER BY CorvNumber, SumLineNo, DtlLineNo"},
        {"Customers", "SELECT * FROM Customers ORDER BY CustNo"},
        {"Offices", "SELECT * FROM Offices ORDER BY OfficeNo"},
        {"CorvNumbers", "SELECT COUNT(*) FROM CorvNumbers"},
    };
    std::vector<std::vector<std::string>> all;
    for (const auto& [strTable, strQuery] : s_queries) {
        if (!tables.empty() && std::find(tables.begin(), tables.end(), strTable) == tables.end()) continue;
        all.push_back({strTable});
        for (auto& row : Query(strQuery)) all.push_back(row);
    }
    return all;
}
