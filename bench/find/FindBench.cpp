// Times the quotation finder's query on an embedded database of 100,000
// stored quotations beside the sqlite3 program running the same SELECT: by
// customer (the finder's Customer criterion) and by a range of quote
// dates. The finder's side is what pressing Find does: connect, check the
// view's columns, run the statement, read the rows it lists (at most 300)
// and disconnect. The sqlite3 side runs the statement text the finder sent,
// in a process of its own, once with and once without the cost of starting
// that process (an empty query's run is taken off). Each figure is the best
// of several runs.
//
//   bench_find [folder]      (default: the system's temporary folder)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/SchemaStatements.h"
#include "database/Connection.h"
#include "database/ConvertSet.h"
#include "database/DbEngine.h"
#include "database/FindFilter.h"
#include "database/Schema.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MessageBox.h"
#include "framework/core/ObArray.h"
#include "framework/db/Database.h"

namespace {

constexpr int kJobs = 100000;
constexpr int kRuns = 7;
constexpr int kListed = 300;  // the finder stops reading there

using Clock = std::chrono::steady_clock;
double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

const char* const kTextColumns[] = {"QuoteNo",     "QuoteRev",    "QuoteVersion", "QuoteType",  "MarketGroup",
                                    "SalesRegion", "ProjectType", "Project",      "ProjectLoc", "Engineer",
                                    "Initials",    "Customer",    "Office",       "Status"};

int RunSqlite3(const std::string& strDb, const std::string& strScript, const std::string& strOut) {
    const std::string strCommand =
        "sqlite3 -bail '" + strDb + "' < '" + strScript + "' > '" + strOut + "' 2>/dev/null";
    return std::system(strCommand.c_str());
}

void WriteText(const std::string& strPath, const std::string& strText) {
    std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
    out << strText;
}

// The database: the shipped schema, then 100,000 quotations' Project rows
// over seven years of quote dates; one customer in 500 is "Lakeside Mills".
bool MakeDatabase(const std::string& strDb, const std::string& strFolder) {
    std::remove(strDb.c_str());
    std::string strScript = "BEGIN;\n";
    for (const std::string& s : SchemaStatements()) strScript += s + ";\n";
    strScript +=
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(kJobs) +
        ")\n"
        "INSERT INTO Project (CorvNumber, QuoteNo, QuoteRev, QuoteVersion, QuoteCount, QuoteDate, QuoteType, "
        "MarketGroup, SalesRegion, ProjectType, Project, ProjectLoc, Engineer, Initials, Customer, Office, "
        "Status, TotalFinal)\n"
        "SELECT i, 'Q-' || i, 'A', '1', i % 2, date('2000-01-01', '+' || (i % 2555) || ' days'), 'Budget', "
        "'MG' || (i % 7), 'North', 'Water', 'Project ' || i, 'Springfield', 'Ed', 'JS', "
        "CASE WHEN i % 500 = 0 THEN 'Lakeside Mills' ELSE 'Customer ' || (i % 997) END, 'East', 'Open', "
        "i * 10 FROM n;\n"
        "COMMIT;\n";
    const std::string strPath = strFolder + "corv-bench-find-make.sql";
    WriteText(strPath, strScript);
    const bool bOk = RunSqlite3(strDb, strPath, "/dev/null") == 0;
    std::remove(strPath.c_str());
    return bOk;
}

// One Find as the finder does it; returns the rows read and the statement.
int FinderFind(const std::string& strDb, const CString& strFilter, CString* pStatement) {
    CDatabase db;
    db.OpenEx(("DRIVER={SQLite3};Database=" + strDb + ";NoCreat=1").c_str(), CDatabase::noOdbcDialog);
    CObArray expected;
    BuildExpectedColumns(DbTable::ProjectFind, expected);
    std::unique_ptr<CConvertSet> pSet;
    int nRows = 0;
    if (OpenCheckedRecordSet(db, pSet, expected, "ProjectFind", "CorvNumber DESC", strFilter)) {
        if (pStatement) *pStatement = pSet->GetSQL();
        CString strSink;
        while (!pSet->IsEOF() && nRows < kListed) {
            strSink = pSet->GetIntegerText("CorvNumber");
            strSink = pSet->GetDateText("QuoteDate");
            pSet->GetBool("QuoteCount");
            for (const char* pszColumn : kTextColumns) strSink = pSet->GetText(pszColumn);
            pSet->MoveNext();
            ++nRows;
        }
        pSet->Close();
    }
    DeleteExpectedColumns(expected);
    db.Close();
    return nRows;
}

struct Result {
    double dFinder = 1e300, dSqlite = 1e300, dStart = 1e300;
    int nRows = 0;
};

Result Measure(const std::string& strDb, const std::string& strFolder, const CString& strFilter) {
    Result r;
    CString strStatement;
    r.nRows = FinderFind(strDb, strFilter, &strStatement);  // also warms the file cache
    const std::string strQuery = strFolder + "corv-bench-find-query.sql";
    const std::string strEmpty = strFolder + "corv-bench-find-empty.sql";
    WriteText(strQuery, strStatement.str() + ";\n");
    WriteText(strEmpty, "SELECT 1;\n");
    for (int run = 0; run < kRuns; ++run) {
        auto t0 = Clock::now();
        FinderFind(strDb, strFilter, nullptr);
        r.dFinder = std::min(r.dFinder, Millis(Clock::now() - t0));
        auto t1 = Clock::now();
        RunSqlite3(strDb, strQuery, "/dev/null");
        r.dSqlite = std::min(r.dSqlite, Millis(Clock::now() - t1));
        auto t2 = Clock::now();
        RunSqlite3(strDb, strEmpty, "/dev/null");
        r.dStart = std::min(r.dStart, Millis(Clock::now() - t2));
    }
    std::remove(strQuery.c_str());
    std::remove(strEmpty.c_str());
    return r;
}

void Print(const char* pszWhat, const Result& r) {
    const double dQueryOnly = r.dSqlite - r.dStart > 0.01 ? r.dSqlite - r.dStart : 0.01;
    std::printf("%s (%d rows listed), best of %d runs:\n", pszWhat, r.nRows, kRuns);
    std::printf("  finder (connect, check, query, read, disconnect): %8.2f ms\n", r.dFinder);
    std::printf("  sqlite3 process, same SELECT:                       %8.2f ms (ratio %.2f)\n", r.dSqlite,
                r.dFinder / r.dSqlite);
    std::printf("  sqlite3 less its start (%.2f ms):                  %8.2f ms (ratio %.2f)\n", r.dStart,
                dQueryOnly, r.dFinder / dQueryOnly);
}

}  // namespace

int Run(int argc, char** argv) {
    const char* pszTmp = std::getenv("TMPDIR");
    std::string strFolder = argc > 1 ? argv[1] : (pszTmp && *pszTmp ? pszTmp : "/tmp");
    if (strFolder.back() != '/') strFolder += '/';
    const std::string strDb = strFolder + "corv-bench-find.db";
    AfxSetMessageBoxHook([](const char* pszText, UINT) {
        std::fprintf(stderr, "%s\n", pszText);
        return IDOK;
    });
    if (!MakeDatabase(strDb, strFolder)) {
        std::fprintf(stderr, "bench_find: sqlite3 could not make the database (is it installed?)\n");
        return 1;
    }
    const CDbEngine engine(DbEngineKind::SQLite);
    CFindCriteria byCustomer;
    byCustomer.strCustomer = "Lakeside";
    CFindCriteria byDates;
    byDates.strFrom = "05/01/2006";
    byDates.strTo = "05/07/2006";

    std::printf("Quotation finder on %d stored quotations (embedded database)\n", kJobs);
    Print("Customer \"Lakeside\"", Measure(strDb, strFolder, BuildFindFilter(byCustomer, engine)));
    Print("Quote dates 05/01/2006 to 05/07/2006",
          Measure(strDb, strFolder, BuildFindFilter(byDates, engine)));
    std::remove(strDb.c_str());
    return 0;
}

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (CException& e) {
        std::fprintf(stderr, "bench_find: %s\n", e.GetErrorMessage().GetString());
        return 1;
    }
}
