// Stores a job of 500 Summary lines with 10 Detail lines each into a fresh
// SQLite quotation database through the program's writer (ODBC, one
// transaction), and times it beside a baseline measured in the same run:
// the same INSERT statements run by the sqlite3 program in one
// transaction. Each figure is the best of several runs, printed with the
// ratio.
//
//   bench_store [folder]     (default: the system's temporary folder)
//
// The sqlite3 program must be on the PATH (under Wine: the host's
// /usr/bin/sqlite3, started as a Unix program; the folder's path must then
// hold no blanks).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "bench/support/SampleJob.h"
#include "bench/support/SchemaStatements.h"
#include "database/Connection.h"
#include "database/DbEngine.h"
#include "database/SndToRpt.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MessageBox.h"
#include "framework/db/Database.h"
#include "framework/db/Recordset.h"
#include "model/CorvDoc.h"
#include "model/Table.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr int kSummaryLines = 500;
constexpr int kDetailLines = 10;
constexpr int kRuns = 5;

using Clock = std::chrono::steady_clock;

double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Folder {
    std::string strProgram;  // as this program names it
    std::string strHost;     // as the host's drivers and sqlite3 name it
};

Folder MakeFolder(const char* pszBase) {
    Folder f;
#ifdef _WIN32
    char szTemp[MAX_PATH] = {};
    if (pszBase)
        lstrcpynA(szTemp, pszBase, MAX_PATH);
    else
        GetTempPathA(MAX_PATH, szTemp);
    f.strProgram = szTemp;
    if (!f.strProgram.empty() && f.strProgram.back() != '\\') f.strProgram += '\\';
    f.strHost = f.strProgram;
    using UnixName = char*(__cdecl*)(const WCHAR*);
    auto pfnUnix = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (pfnUnix) {
        WCHAR wsz[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, f.strProgram.c_str(), -1, wsz, MAX_PATH);
        if (char* psz = pfnUnix(wsz)) {
            f.strHost = psz;
            if (f.strHost.back() != '/') f.strHost += '/';
            HeapFree(GetProcessHeap(), 0, psz);
        }
    }
#else
    const char* pszTmp = std::getenv("TMPDIR");
    f.strProgram = pszBase ? pszBase : (pszTmp && *pszTmp ? pszTmp : "/tmp");
    if (f.strProgram.back() != '/') f.strProgram += '/';
    f.strHost = f.strProgram;
#endif
    return f;
}

// A fresh database file loaded with the shipped schema.
void MakeDatabase(const std::string& strHostFile, const std::string& strProgramFile) {
    std::remove(strProgramFile.c_str());
    CDatabase db;
    db.OpenEx(("DRIVER={SQLite3};Database=" + strHostFile).c_str(), CDatabase::noOdbcDialog);
    for (const std::string& s : SchemaStatements()) db.ExecuteSQL(s.c_str());
}

class CCountSet : public CRecordset {
public:
    explicit CCountSet(CDatabase* pDb) : CRecordset(pDb) {}
    void DoFieldExchange(CFieldExchange* pFX) override { RFX_Long(pFX, "n", m_nCount); }
    LONG m_nCount = 0;
};

int CountDetailRows(const std::string& strHostDb) {
    CDatabase db;
    db.OpenEx(("DRIVER={SQLite3};Database=" + strHostDb + ";NoCreat=1").c_str(), CDatabase::noOdbcDialog);
    CCountSet count(&db);
    count.Open(CRecordset::forwardOnly, "SELECT COUNT(*) FROM Detail", CRecordset::readOnly);
    return count.IsEOF() ? -1 : static_cast<int>(count.m_nCount);
}

// Runs the script with the sqlite3 program and returns when it has ended;
// 0 when it ran to its end.
int RunSqlite3(const Folder& folder, const std::string& strDbName, const std::string& strScriptName) {
#ifdef _WIN32
    // Under Wine the host's sqlite3 runs as a Unix program, which Wine starts
    // without waiting for it: the script's last command leaves a mark file,
    // and the run ends when it appears. Arguments arrive as written, quotes
    // included, so the paths take none.
    const std::string strMark = folder.strProgram + "corv-bench-store.done";
    DeleteFileA(strMark.c_str());
    std::string strCommand = "start.exe /unix /usr/bin/sqlite3 -bail -init " + folder.strHost +
                             strScriptName + " " + folder.strHost + strDbName + " .quit";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::vector<char> commandLine(strCommand.begin(), strCommand.end());
    commandLine.push_back('\0');
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &si, &pi))
        return 1;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    for (int n = 0; n < 120000; ++n) {
        if (GetFileAttributesA(strMark.c_str()) != INVALID_FILE_ATTRIBUTES) return 0;
        Sleep(1);
    }
    return 1;
#else
    (void)folder;
    std::string strCommand = "sqlite3 -bail -init '" + folder.strHost + strScriptName + "' '" +
                             folder.strHost + strDbName + "' .quit 2>/dev/null";
    return std::system(strCommand.c_str());
#endif
}

}  // namespace

int Run(int argc, char** argv) {
    const Folder folder = MakeFolder(argc > 1 ? argv[1] : nullptr);
    const std::string strName = "corv-bench-store.db";
    const std::string strProgramDb = folder.strProgram + strName;
    const std::string strHostDb = folder.strHost + strName;
    const std::string strScriptName = "corv-bench-store.sql";
    const std::string strProgramSql = folder.strProgram + strScriptName;

    // Every question is answered Yes; anything else shown is a failure's text.
    AfxSetMessageBoxHook([](const char* pszText, UINT nType) {
        if ((nType & 0x0F) != MB_YESNO && std::strncmp(pszText, "New Quotation", 13) != 0)
            std::fprintf(stderr, "%s\n", pszText);
        return IDYES;
    });
    CorvSetConnectStringForTests(("DRIVER={SQLite3};Database=" + strHostDb + ";NoCreat=1").c_str());

    CCorvDoc doc;
    FillSampleJob(doc, kSummaryLines, kDetailLines);

    // The baseline's statements: the same rows, as the writer builds them.
    {
        CSndToRpt writer(&doc, "1");
        std::ofstream sql(strProgramSql, std::ios::binary);
        sql << "BEGIN;\n";
        sql << "INSERT INTO CorvNumbers (Initials, DateTime) VALUES ('BM', '2006-05-17 10:00:00');\n";
        for (const CString& s : writer.BuildStatements(CDbEngine(DbEngineKind::SQLite)))
            sql << s.str() << ";\n";
        sql << "COMMIT;\n";
        sql << ".output " << folder.strHost << "corv-bench-store.done\n";
        sql << "SELECT 'done';\n";
    }

    double dBestStore = 1e300, dBestBaseline = 1e300;
    const int nRows = 1 + kSummaryLines + kSummaryLines * kDetailLines;
    for (int run = 0; run < kRuns; ++run) {
        MakeDatabase(strHostDb, strProgramDb);
        doc.SetCorvNumber("Unassigned");
        auto t0 = Clock::now();
        CSndToRpt writer(&doc, doc.GetCorvNumber());
        if (!writer.Send()) {
            std::fprintf(stderr, "store failed\n");
            return 1;
        }
        dBestStore = std::min(dBestStore, Millis(Clock::now() - t0));
        if (CountDetailRows(strHostDb) != kSummaryLines * kDetailLines) {
            std::fprintf(stderr, "the store did not insert the rows\n");
            return 1;
        }

        MakeDatabase(strHostDb, strProgramDb);
        auto t1 = Clock::now();
        if (RunSqlite3(folder, strName, strScriptName) != 0) {
            std::fprintf(stderr, "sqlite3 failed (is it installed?)\n");
            return 1;
        }
        dBestBaseline = std::min(dBestBaseline, Millis(Clock::now() - t1));
        if (CountDetailRows(strHostDb) != kSummaryLines * kDetailLines) {
            std::fprintf(stderr, "sqlite3 did not insert the rows\n");
            return 1;
        }
    }
    std::remove(strProgramDb.c_str());
    std::remove(strProgramSql.c_str());
    std::remove((folder.strProgram + "corv-bench-store.done").c_str());

    std::printf("Store a job of %d Summary x %d Detail lines (%d rows), best of %d runs:\n", kSummaryLines,
                kDetailLines, nRows, kRuns);
    std::printf("  program (ODBC, one transaction):     %9.1f ms\n", dBestStore);
    std::printf("  sqlite3 (same rows, one transaction): %8.1f ms\n", dBestBaseline);
    std::printf("  ratio: %.2f\n", dBestStore / dBestBaseline);
    return 0;
}

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (CException& e) {
        std::fprintf(stderr, "bench_store: %s\n", e.GetErrorMessage().GetString());
        return 1;
    }
}
