// Storing a job: new, replaced, deleted and copied jobs, the questions and
// messages on the way, and stores that fail half-way leaving the database
// exactly as it was.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "DbTestEnv.h"
#include "TestJob.h"
#include "database/ColumnCheck.h"
#include "database/Connection.h"
#include "database/ConvertSet.h"
#include "database/DbEngine.h"
#include "database/Schema.h"
#include "database/SndToRpt.h"
#include "framework/core/Exceptions.h"
#include "framework/core/OwnedObArray.h"
#include "framework/db/Database.h"
#include "model/Component.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/Record.h"
#include "model/Table.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

using Texts = std::vector<std::string>;
constexpr UINT kQuestion = MB_YESNO | MB_ICONQUESTION;

double Num(const std::string& s) { return std::strtod(s.c_str(), nullptr); }

class StoreJobTest : public ::testing::TestWithParam<TestEngine> {
protected:
    void SetUp() override {
        m_db = std::make_unique<TestDatabase>(GetParam());
        if (!m_db->Ready()) GTEST_SKIP() << m_db->SkipReason();
        BuildSampleJob(m_doc);
    }

    // Store (File > Store...) answering the questions in turn.
    BOOL Store(std::initializer_list<int> answers, const char* pszNumber = nullptr) {
        m_boxes.Clear();
        for (int a : answers) m_boxes.QueueAnswer(a);
        CSndToRpt writer(&m_doc, pszNumber ? CString(pszNumber) : m_doc.GetCorvNumber());
        BOOL bResult = writer.Send();
        EXPECT_EQ(m_boxes.PendingAnswers(), 0u) << "a question was not asked";
        return bResult;
    }

    std::string Number() const { return m_doc.GetCorvNumber().str(); }

    std::string Where() const { return " WHERE CorvNumber = " + Number(); }

    std::unique_ptr<TestDatabase> m_db;
    CTestJobDoc m_doc;
    MessageBoxRecorder m_boxes;
};

}  // namespace

TEST_P(StoreJobTest, NewJobIsAddedUnderADrawnNumber) {
    m_doc.SetModifiedFlag(TRUE);
    EXPECT_TRUE(Store({IDYES}));
    const std::string n = Number();
    ASSERT_GT(std::atoi(n.c_str()), 0) << n;
    EXPECT_EQ(m_boxes.Texts(), (Texts{"ADD this as a NEW Quotation to the Database?",
                                      "New Quotation \"Corv: " + n + "\" was ADDED to the Database"}));
    EXPECT_EQ(m_boxes.Shown()[0].type, kQuestion);
    EXPECT_EQ(m_boxes.Shown()[1].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(m_doc.GetTitle(),
              "Corv: " + n + "  --  Quote No: Q-2006-0147 Rev: B  --  Version: 2  --  Count: Yes");
    EXPECT_FALSE(m_doc.m_bChangedSinceStore);
    EXPECT_EQ(m_db->Scalar("SELECT Initials FROM CorvNumbers WHERE CorvNumber = " + n), "JS");
}

TEST_P(StoreJobTest, StoredRowsReadBackAsTheJobHoldsThem) {
    ASSERT_TRUE(Store({IDYES}));
    const std::string n = Number();

    // The Project row, read as the finder and loader read it.
    CDatabase db;
    m_db->Open(db);
    COwnedObArray expected;
    BuildExpectedColumns(DbTable::Project, expected);
    std::unique_ptr<CConvertSet> pSet;
    ASSERT_TRUE(
        OpenCheckedRecordSet(db, pSet, expected, "Project", "", "CorvNumber = " + CString(n.c_str())));
    ASSERT_TRUE(HasRecords(pSet.get()));
    EXPECT_EQ(pSet->GetIntegerText("CorvNumber"), n.c_str());
    EXPECT_EQ(pSet->GetText("QuoteNo"), "Q-2006-0147");
    EXPECT_TRUE(pSet->GetBool("QuoteCount"));
    EXPECT_EQ(pSet->GetDateText("QuoteDate"), "03/07/2006");
    EXPECT_EQ(pSet->GetDateText("BidDate"), "12/31/2006");
    EXPECT_EQ(pSet->GetDateText("PODate"), "");
    EXPECT_EQ(pSet->GetText("BidTime"), "14:30");
    EXPECT_EQ(pSet->GetText("Customer"), "O'Brien's Mill");
    EXPECT_EQ(pSet->GetText("CustomerNo"), "  C-17");
    EXPECT_EQ(pSet->GetText("Initials"), "JS");
    EXPECT_EQ(pSet->GetText("Engineer"), "");
    EXPECT_DOUBLE_EQ(Num(pSet->GetText("FreightRate").str()), 0.15);
    EXPECT_DOUBLE_EQ(Num(pSet->GetText("TotalFinal").str()), 1250.0);
    EXPECT_DOUBLE_EQ(Num(pSet->GetText("POAmount").str()), 1234.5);
    EXPECT_EQ(pSet->GetDoubleText("ProbOfSuccess", 2), "75.00");
    EXPECT_EQ(pSet->GetText("UDC05"), "");
    EXPECT_EQ(pSet->GetIntegerText("UDC07"), "12");
    EXPECT_EQ(pSet->GetIntegerText("IntroIndLeft"), "5");
    EXPECT_EQ(pSet->GetIntegerText("IntroIndRight"), "0");
    EXPECT_EQ(pSet->GetIntegerText("TermsIndRight"), "-3");
    EXPECT_EQ(pSet->GetMemoText("Notes"), "First line\r\nSecond line with 'quotes'");
    EXPECT_EQ(pSet->GetMemoText("Intro"), "Dear Sir,\r\n\tWe are pleased to quote.");
    EXPECT_EQ(pSet->GetMemoText("QNotes"), "");
    pSet.reset();

    // The empty line leaves no gap in the line numbers.
    auto summary = m_db->Query(
        "SELECT SumLineNo, Item, Qty, Final, Description, AboveIndLeft, AboveIndRight, "
        "BelowIndRight, WordsAbove, Tag, Mult FROM Summary" +
        Where() + " ORDER BY SumLineNo");
    ASSERT_EQ(summary.size(), 2u);
    EXPECT_EQ(summary[0][0], "1");
    EXPECT_EQ(summary[0][1], "A");
    EXPECT_EQ(summary[0][2], "2");
    EXPECT_DOUBLE_EQ(Num(summary[0][3]), 500.0);
    EXPECT_EQ(summary[0][4], "Ball valve");
    EXPECT_EQ(summary[0][5], "4");
    EXPECT_EQ(summary[0][6], "0");
    EXPECT_EQ(summary[0][7], "2");
    EXPECT_EQ(summary[0][8], "Above the line\r\nand more");
    EXPECT_DOUBLE_EQ(Num(summary[0][10]), 0.45);
    EXPECT_EQ(summary[1][0], "2");
    EXPECT_EQ(summary[1][1], "B");
    EXPECT_EQ(summary[1][4], "<NULL>");
    EXPECT_EQ(summary[1][5], "0");
    EXPECT_EQ(summary[1][9], "TAG-'7'");

    auto detail = m_db->Query(
        "SELECT SumLineNo, DtlLineNo, Product, TechnicalDescription, Cost, TDFileName, "
        "TDFileNo, TDStyle, TDNoOfComp, TDCN01, TDCS01, TDCL01, TDCN20, TDCS20, TDCL20, "
        "PartNumber, Weight FROM Detail" +
        Where() + " ORDER BY SumLineNo, DtlLineNo");
    ASSERT_EQ(detail.size(), 2u);
    EXPECT_EQ(detail[0], (Texts{"1", "1", "BV-100", "BV 2in CS RF 150#", detail[0][4], "valves.dta", "7", "2",
                                "25", "Comp1", "3", "1", "Comp20", "60", "20", "PN-1", "<NULL>"}));
    EXPECT_DOUBLE_EQ(Num(detail[0][4]), 120.0);
    EXPECT_EQ(detail[1], (Texts{"1", "2", "ACT-5", "<NULL>", "<NULL>", "<NULL>", "0", "0", "0", "<NULL>",
                                "<NULL>", "<NULL>", "<NULL>", "<NULL>", "<NULL>", "<NULL>", "15"}));
}

TEST_P(StoreJobTest, StoredJobIsReplacedUnderItsNumber) {
    ASSERT_TRUE(Store({IDYES}));
    const std::string n = Number();
    m_doc.SetCustomer("New Customer");
    m_doc.m_pTable->RemoveRecord(2);  // line B goes
    m_doc.SetModifiedFlag(TRUE);

    EXPECT_TRUE(Store({IDYES}));
    EXPECT_EQ(m_boxes.Texts(), (Texts{"REPLACE \"Corv: " + n + "\" in the Database?",
                                      "\"Corv: " + n + "\" Replaced in the Database"}));
    EXPECT_EQ(Number(), n);
    EXPECT_FALSE(m_doc.m_bChangedSinceStore);
    EXPECT_EQ(m_db->Scalar("SELECT Customer FROM Project" + Where()), "New Customer");
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM Summary" + Where()), "1");
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM Detail" + Where()), "2");
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM Project"), "1");
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM CorvNumbers"), "1");
}

TEST_P(StoreJobTest, StoredJobIsDeletedThenAddedAnewLater) {
    ASSERT_TRUE(Store({IDYES}));
    const std::string n = Number();

    EXPECT_TRUE(Store({IDNO, IDYES}));
    EXPECT_EQ(m_boxes.Texts(), (Texts{"REPLACE \"Corv: " + n + "\" in the Database?",
                                      "DELETE \"Corv: " + n + "\" from the Database?",
                                      "\"Corv: " + n + "\" DELETED from the Database"}));
    EXPECT_EQ(m_boxes.Shown()[1].type, kQuestion);
    EXPECT_EQ(Number(), "Deleted");
    EXPECT_EQ(m_doc.GetTitle(), "Deleted");
    EXPECT_FALSE(m_doc.m_bChangedSinceStore);
    for (const char* pszTable : {"Project", "Summary", "Detail"})
        EXPECT_EQ(m_db->Scalar(std::string("SELECT COUNT(*) FROM ") + pszTable), "0") << pszTable;

    EXPECT_TRUE(Store({IDYES}));
    EXPECT_EQ(m_boxes.Texts()[0], "ADD this as a NEW Quotation to the Database?");
    EXPECT_NE(Number(), n);
    EXPECT_GT(std::atoi(Number().c_str()), std::atoi(n.c_str()));
}

TEST_P(StoreJobTest, NoToEveryQuestionChangesNothing) {
    ASSERT_TRUE(Store({IDYES}));
    const std::string n = Number();
    const CString strTitle = m_doc.GetTitle();
    m_doc.SetModifiedFlag(TRUE);
    auto before = m_db->Snapshot();

    EXPECT_FALSE(Store({IDNO, IDNO}));
    EXPECT_EQ(m_boxes.Texts().size(), 2u);
    EXPECT_EQ(m_db->Snapshot(), before);
    EXPECT_EQ(Number(), n);
    EXPECT_EQ(m_doc.GetTitle(), strTitle);
    EXPECT_TRUE(m_doc.m_bChangedSinceStore);

    InitTestJob(m_doc);
    EXPECT_FALSE(Store({IDNO}));
    EXPECT_EQ(m_boxes.Texts(), Texts{"ADD this as a NEW Quotation to the Database?"});
    EXPECT_EQ(m_db->Snapshot(), before);
    EXPECT_EQ(Number(), "Unassigned");
}

TEST_P(StoreJobTest, StoreAsAddsACopyAndKeepsTheStoredJob) {
    ASSERT_TRUE(Store({IDYES}));
    const std::string n = Number();
    EXPECT_TRUE(Store({IDYES}, "Unassigned"));
    EXPECT_EQ(m_boxes.Texts()[0], "ADD this as a NEW Quotation to the Database?");
    EXPECT_NE(Number(), n);
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM Project"), "2");
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM Summary WHERE CorvNumber = " + n), "2");
}

TEST_P(StoreJobTest, JobRemovedByOthersIsOfferedAsNew) {
    ASSERT_TRUE(Store({IDYES}));
    const std::string n = Number();
    m_db->Execute("DELETE FROM Project");
    EXPECT_TRUE(Store({IDYES}));
    EXPECT_EQ(m_boxes.Texts()[0], "ADD this as a NEW Quotation to the Database?");
    EXPECT_NE(Number(), n);
}

TEST_P(StoreJobTest, NumberThatIsNoPlainIntegerCountsAsNotStored) {
    ASSERT_TRUE(Store({IDYES}));
    ASSERT_TRUE(Store({IDYES}, "Unassigned"));
    auto before = m_db->Snapshot();
    for (const char* pszNumber : {"1 OR 1=1", "2; DELETE FROM Project", "0", "Job 1", "1e3"}) {
        m_doc.SetCorvNumber(pszNumber);
        EXPECT_FALSE(Store({IDNO})) << pszNumber;
        EXPECT_EQ(m_boxes.Texts(), Texts{"ADD this as a NEW Quotation to the Database?"}) << pszNumber;
        EXPECT_EQ(m_db->Snapshot(), before) << pszNumber;
    }
    // A number written with blanks around it is still that number.
    m_doc.SetCorvNumber(" 1 ");
    EXPECT_FALSE(Store({IDNO, IDNO}));
    EXPECT_EQ(m_boxes.Texts()[0], "REPLACE \"Corv: 1\" in the Database?");
}

TEST_P(StoreJobTest, ValueThatIsNoNumberStopsTheStoreBeforeAnythingIsSent) {
    auto before = m_db->Snapshot();
    m_doc.SetUDC07("12a");
    EXPECT_FALSE(Store({}));
    EXPECT_EQ(
        m_boxes.Texts(),
        Texts{
            "The Project value \"UDC07\" is not a number:\n\"12a\"\n\nNothing was stored in the Database."});
    EXPECT_EQ(m_db->Snapshot(), before);
    EXPECT_EQ(Number(), "Unassigned");

    m_doc.SetUDC07("");
    m_doc.SetFreightRateForTest("5 %");
    EXPECT_FALSE(Store({}));
    EXPECT_EQ(m_boxes.Texts(), Texts{"The Project value \"FreightRate\" is not a number:\n\"5 %\"\n\nNothing "
                                     "was stored in the Database."});
}

TEST_P(StoreJobTest, TextHoldingANulCharacterStopsTheStoreBeforeAnythingIsSent) {
    // Only a damaged or hand-made job file brings one; the statement would
    // end at it.
    auto before = m_db->Snapshot();
    m_doc.SetCustomer(CString(std::string("Lake\0side", 9)));
    EXPECT_FALSE(Store({}));
    EXPECT_EQ(m_boxes.Texts(),
              Texts{"The Project value \"Customer\" holds a NUL character:\n\"Lake\\0side\"\n\n"
                    "Nothing was stored in the Database."});
    EXPECT_EQ(m_db->Snapshot(), before);
    EXPECT_EQ(Number(), "Unassigned");

    // In a line's field, and in a number column, the same.
    m_doc.SetCustomer("Lakeside");
    m_doc.m_pTable->GetRecord(0)->GetFieldByName("Tag")->SetText(CString(std::string("FV-1\0", 5)));
    EXPECT_FALSE(Store({}));
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    EXPECT_EQ(m_boxes.Texts()[0].rfind("The Summary value \"Tag\" holds a NUL character:", 0), 0u)
        << m_boxes.Texts()[0];
    m_doc.m_pTable->GetRecord(0)->GetFieldByName("Tag")->SetText("FV-1");
    m_doc.SetUDC07(CString(std::string("12\0", 3)));
    EXPECT_FALSE(Store({}));
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    EXPECT_EQ(m_boxes.Texts()[0].rfind("The Project value \"UDC07\" holds a NUL character:", 0), 0u)
        << m_boxes.Texts()[0];
    EXPECT_EQ(m_db->Snapshot(), before);
}

TEST_P(StoreJobTest, FailedAddLeavesEveryTableAsItWas) {
    ASSERT_TRUE(Store({IDYES}));
    auto before = m_db->Snapshot({"Project", "Summary", "CorvNumbers"});
    m_db->Execute("DROP TABLE Detail");
    InitTestJob(m_doc);
    BuildSampleJob(m_doc);
    m_doc.SetModifiedFlag(TRUE);
    const CString strTitle = m_doc.GetTitle();

    EXPECT_FALSE(Store({IDYES}));
    ASSERT_EQ(m_boxes.Texts().size(), 3u);
    EXPECT_EQ(m_boxes.Texts()[0], "ADD this as a NEW Quotation to the Database?");
    EXPECT_FALSE(m_boxes.Texts()[1].empty());  // the driver's text
    EXPECT_EQ(m_boxes.Texts()[2], "New Quotation was NOT added to the Database");
    EXPECT_EQ(m_db->Snapshot({"Project", "Summary", "CorvNumbers"}), before);
    EXPECT_EQ(Number(), "Unassigned");
    EXPECT_EQ(m_doc.GetTitle(), strTitle);
    EXPECT_TRUE(m_doc.m_bChangedSinceStore);
}

TEST_P(StoreJobTest, NumbersTableThatDrawsNoNumberAddsNothing) {
    if (GetParam() != TestEngine::SQLite) GTEST_SKIP() << "needs a numbers table that swallows its inserts";
    // Inserts into this numbers table vanish, so no identity is generated.
    m_db->ExecuteAll({"DROP TABLE CorvNumbers",
                      "CREATE VIEW CorvNumbers AS SELECT NULL AS Initials, NULL AS DateTime WHERE 0",
                      "CREATE TRIGGER SwallowNumbers INSTEAD OF INSERT ON CorvNumbers BEGIN SELECT 1; END"});
    auto before = m_db->Snapshot({"Project", "Summary", "Detail"});

    EXPECT_FALSE(Store({IDYES}));
    EXPECT_EQ(m_boxes.Texts(),
              (Texts{"ADD this as a NEW Quotation to the Database?", "Could Not Obtain a New CorvNumber",
                     "New Quotation was NOT added to the Database"}));
    EXPECT_EQ(m_boxes.Shown()[1].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(m_db->Snapshot({"Project", "Summary", "Detail"}), before);
    EXPECT_EQ(Number(), "Unassigned");
}

TEST_P(StoreJobTest, FailedReplaceKeepsTheStoredRows) {
    ASSERT_TRUE(Store({IDYES}));
    const std::string n = Number();
    auto before = m_db->Snapshot({"Project", "Detail", "CorvNumbers"});
    m_db->Execute("DROP TABLE Summary");
    m_doc.SetCustomer("Changed");

    EXPECT_FALSE(Store({IDYES}));
    ASSERT_EQ(m_boxes.Texts().size(), 3u);
    EXPECT_EQ(m_boxes.Texts()[2], "\"Corv: " + n + "\" was NOT Replaced in the Database");
    // The Detail rows deleted before the failure are back.
    EXPECT_EQ(m_db->Snapshot({"Project", "Detail", "CorvNumbers"}), before);
    EXPECT_TRUE(m_doc.m_bChangedSinceStore);
}

TEST_P(StoreJobTest, ValueLongerThanItsColumnFailsTheWholeStore) {
    if (GetParam() != TestEngine::PostgreSQL)
        GTEST_SKIP() << "SQLite does not hold texts to their declared widths";
    ASSERT_TRUE(Store({IDYES}));
    const std::string n = Number();
    auto before = m_db->Snapshot();
    // The product data file name is written as the field holds it, uncut.
    SetTech(m_doc.m_pTable->GetRecord(0)->GetChild()->GetRecord(1), "Actuator", 1, CString('f', 60) + ".dta");

    EXPECT_FALSE(Store({IDYES}));
    ASSERT_EQ(m_boxes.Texts().size(), 3u);
    EXPECT_NE(m_boxes.Texts()[1].find("too long"), std::string::npos) << m_boxes.Texts()[1];
    EXPECT_EQ(m_boxes.Texts()[2], "\"Corv: " + n + "\" was NOT Replaced in the Database");
    EXPECT_EQ(m_db->Snapshot(), before);
}

TEST_P(StoreJobTest, ValuesReachTheirColumnsInATableOfAnotherOrder) {
    m_db->ExecuteAll({"DROP TABLE Summary", ShippedTableWithColumnLast(GetParam(), "Summary", "Item")});
    ASSERT_TRUE(Store({IDYES}));
    auto rows = m_db->Query("SELECT SumLineNo, Item, Qty FROM Summary ORDER BY SumLineNo");
    EXPECT_EQ(rows, (std::vector<Texts>{{"1", "A", "2"}, {"2", "B", "1"}}));
}

TEST_P(StoreJobTest, OverflowedNumbersAndEmptyJobs) {
    CRecord* pB = m_doc.m_pTable->GetRecord(2);
    SetField(pB, "Final", "**********");
    ASSERT_TRUE(Store({IDYES}));
    EXPECT_DOUBLE_EQ(Num(m_db->Scalar("SELECT TotalFinal FROM Project" + Where())), 99999999.99);
    EXPECT_DOUBLE_EQ(Num(m_db->Scalar("SELECT Final FROM Summary" + Where() + " AND SumLineNo = 2")),
                     99999999.99);

    InitTestJob(m_doc);
    ASSERT_TRUE(Store({IDYES}));
    EXPECT_EQ(m_db->Scalar("SELECT TotalFinal FROM Project" + Where()), "<NULL>");
    EXPECT_EQ(m_db->Scalar("SELECT QuoteCount FROM Project" + Where()), "0");
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM Summary" + Where()), "0");
    EXPECT_EQ(m_doc.GetTitle(), "Corv: " + Number() + "  --  Count: No");
}

TEST_P(StoreJobTest, DatabaseThatDoesNotOpenIsReported) {
    CorvSetConnectStringForTests("DSN=No Such Corv Source;UID=Corv2004;PWD=Kelso_Wrint");
    EXPECT_FALSE(Store({}));
    ASSERT_EQ(m_boxes.Texts().size(), 1u);  // the driver manager's text
    EXPECT_EQ(Number(), "Unassigned");
}

TEST_P(StoreJobTest, MissingDatabaseIsReportedAndNotMadeAnew) {
    if (GetParam() != TestEngine::SQLite) GTEST_SKIP() << "a database file is the embedded engine's";
    // The data source names a database file that is gone (deleted, or on
    // a share that is not there).
    const std::string strGone = TestRunFolder().strHostPath + "/gone-quotes.db";
    CorvSetConnectStringForTests(
        ("DSN=Ostry Quotes;UID=Corv2004;PWD=Kelso_Wrint;NoCreat=1;Database=" + strGone).c_str());
    m_doc.SetModifiedFlag(TRUE);
    EXPECT_FALSE(Store({}));
    ASSERT_EQ(m_boxes.Texts().size(), 1u);  // the driver's text
    EXPECT_EQ(Number(), "Unassigned");
    EXPECT_TRUE(m_doc.m_bChangedSinceStore);
    EXPECT_TRUE(m_doc.IsModified());
    FILE* pFile = std::fopen((TestRunFolder().strProgramPath + "/gone-quotes.db").c_str(), "rb");
    EXPECT_EQ(pFile, nullptr) << "an empty database was made in its place";
    if (pFile) std::fclose(pFile);
}

// The server ends the program's connection in the middle of a store (a
// trigger on the Summary table has the server end its own session, as a
// server that stops does): nothing of the store stays, the user is told,
// and the job still counts as not stored.
TEST_P(StoreJobTest, ConnectionLostMidStoreLeavesTheDatabaseAsItWas) {
    if (GetParam() != TestEngine::PostgreSQL) GTEST_SKIP() << "needs a server whose connection can be lost";
    ASSERT_TRUE(Store({IDYES}));
    const std::string n = Number();
    auto before = m_db->Snapshot();
    m_db->ExecuteAll(
        {"CREATE FUNCTION corv_cut_connection() RETURNS trigger LANGUAGE plpgsql AS "
         "'BEGIN PERFORM pg_terminate_backend(pg_backend_pid()); RETURN NEW; END'",
         "CREATE TRIGGER corv_cut BEFORE INSERT ON Summary FOR EACH ROW EXECUTE FUNCTION "
         "corv_cut_connection()"});

    // Replacing the stored job: its rows were deleted and the Project row
    // written again when the connection goes.
    m_doc.SetCustomer("Changed");
    m_doc.m_bChangedSinceStore = TRUE;
    EXPECT_FALSE(Store({IDYES}));
    ASSERT_EQ(m_boxes.Texts().size(), 3u);
    EXPECT_FALSE(m_boxes.Texts()[1].empty());  // the driver's text
    EXPECT_EQ(m_boxes.Texts()[2], "\"Corv: " + n + "\" was NOT Replaced in the Database");
    EXPECT_TRUE(m_doc.m_bChangedSinceStore);

    // A new job: its number was drawn when the connection goes.
    CTestJobDoc fresh;
    BuildSampleJob(fresh);
    m_boxes.Clear();
    m_boxes.QueueAnswer(IDYES);
    CSndToRpt writer(&fresh, fresh.GetCorvNumber());
    EXPECT_FALSE(writer.Send());
    ASSERT_EQ(m_boxes.Texts().size(), 3u);
    EXPECT_EQ(m_boxes.Texts()[2], "New Quotation was NOT added to the Database");
    EXPECT_EQ(fresh.GetCorvNumber(), "Unassigned");

    m_db->ExecuteAll({"DROP TRIGGER corv_cut ON Summary", "DROP FUNCTION corv_cut_connection()"});
    EXPECT_EQ(m_db->Snapshot(), before);
}

#ifndef _WIN32
// The server itself stops (at once, as a crash would end it) while a store
// is half done: its deletes and the Project row sent, a Summary row on its
// way. Once the server is back, the database holds what it held before.
TEST_P(StoreJobTest, ServerStoppedMidStoreLeavesTheDatabaseAsItWas) {
    if (GetParam() != TestEngine::PostgreSQL) GTEST_SKIP() << "needs a server that can be stopped";
    const char* pszTool = std::getenv("CORV_DB_SETUP");
    if (pszTool == nullptr || std::getenv("CORV_PG_DIR") == nullptr)
        GTEST_SKIP() << "CORV_DB_SETUP and CORV_PG_DIR name no server of this run (tools/test sets them)";
    const std::string strTool = std::string("bash '") + pszTool + "' postgres ";
    ASSERT_TRUE(Store({IDYES}));
    const std::string n = Number();
    auto before = m_db->Snapshot();
    // The first Summary row waits long enough for the server to be stopped.
    m_db->ExecuteAll(
        {"CREATE FUNCTION corv_slow_row() RETURNS trigger LANGUAGE plpgsql AS "
         "'BEGIN PERFORM pg_sleep(3); RETURN NEW; END'",
         "CREATE TRIGGER corv_slow BEFORE INSERT ON Summary FOR EACH ROW EXECUTE FUNCTION "
         "corv_slow_row()"});
    m_doc.SetCustomer("Changed");
    m_doc.m_bChangedSinceStore = TRUE;
    std::thread halt([&strTool] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        EXPECT_EQ(std::system((strTool + "halt").c_str()), 0);
    });
    const BOOL bStored = Store({IDYES});
    halt.join();
    ASSERT_EQ(std::system((strTool + "resume").c_str()), 0) << "the server did not start again";
    EXPECT_FALSE(bStored);
    ASSERT_EQ(m_boxes.Texts().size(), 3u);
    EXPECT_FALSE(m_boxes.Texts()[1].empty());  // the driver's text
    EXPECT_EQ(m_boxes.Texts()[2], "\"Corv: " + n + "\" was NOT Replaced in the Database");
    EXPECT_TRUE(m_doc.m_bChangedSinceStore);

    m_db->ExecuteAll({"DROP TRIGGER corv_slow ON Summary", "DROP FUNCTION corv_slow_row()"});
    EXPECT_EQ(m_db->Snapshot(), before);
}
#endif

INSTANTIATE_TEST_SUITE_P(Engines, StoreJobTest, ::testing::Values(TestEngine::SQLite, TestEngine::PostgreSQL),
                         [](const ::testing::TestParamInfo<TestEngine>& info) {
                             return std::string(TestEngineName(info.param));
                         });

TEST(JobStatements, RowsFollowEachOtherInTheOrderTheyAreStored) {
    CTestJobDoc doc;
    BuildSampleJob(doc);
    CSndToRpt writer(&doc, "41");
    std::vector<CString> statements = writer.BuildStatements(CDbEngine(DbEngineKind::Other));
    ASSERT_EQ(statements.size(), 5u);
    EXPECT_EQ(statements[0].Left(34), "INSERT INTO Project (CorvNumber, Q");
    EXPECT_NE(statements[0].Find("VALUES (41, 'Q-2006-0147', 'B', '2', 1, '03/07/2006', "), -1)
        << statements[0];
    EXPECT_NE(statements[1].Find("INSERT INTO Summary (CorvNumber, SumLineNo, Item, "), -1);
    EXPECT_NE(statements[1].Find("VALUES (41, 1, 'A', 2, 'Ball valve', NULL, "), -1) << statements[1];
    EXPECT_NE(statements[2].Find("VALUES (41, 1, 1, 'BV-100', "), -1) << statements[2];
    EXPECT_NE(statements[3].Find("VALUES (41, 1, 2, 'ACT-5', "), -1) << statements[3];
    // A description without components: a count of 0 and NULL for all twenty triples.
    EXPECT_NE(statements[3].Find(", NULL, 0, 0, 0, NULL, NULL, NULL, NULL"), -1) << statements[3];
    EXPECT_EQ(statements[3].Right(17), "NULL, NULL, NULL)");
    EXPECT_NE(statements[4].Find("VALUES (41, 2, 'B', 1, "), -1) << statements[4];
    EXPECT_NE(statements[0].Find("'O''Brien''s Mill'"), -1);
    EXPECT_NE(statements[0].Find("'First line\r\nSecond line with ''quotes'''"), -1);
    EXPECT_EQ(statements[0].Right(1), ")");
}

TEST(JobStatements, EmptyLinesLeaveNoGapsAndABlankLineWithDetailsIsWritten) {
    CTestJobDoc doc;
    InitTestJob(doc);
    // Line 1: blank itself, but with Detail lines D1, (empty), D3.
    CRecord* pFirst = doc.m_pTable->GetRecord(0);
    SetField(AddDetailLine(doc, pFirst), "Product", "D1");
    AddDetailLine(doc, pFirst);
    SetField(AddDetailLine(doc, pFirst), "Product", "D3");
    AddSummaryLine(doc);  // empty
    SetField(AddSummaryLine(doc), "Itm", "C");

    CSndToRpt writer(&doc, "7");
    std::vector<CString> statements = writer.BuildStatements(CDbEngine(DbEngineKind::Other));
    ASSERT_EQ(statements.size(), 5u);
    // Every Summary value but the number, the line number and the indents is NULL.
    EXPECT_NE(statements[1].Find(
                  "VALUES (7, 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, "
                  "NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, 0, NULL, 0, 0, NULL, NULL, NULL, NULL, "
                  "NULL, NULL, NULL, NULL, NULL)"),
              -1)
        << statements[1];
    EXPECT_NE(statements[2].Find("VALUES (7, 1, 1, 'D1', "), -1) << statements[2];
    EXPECT_NE(statements[3].Find("VALUES (7, 1, 2, 'D3', "), -1) << statements[3];
    EXPECT_NE(statements[4].Find("VALUES (7, 2, 'C', "), -1) << statements[4];
}

TEST(JobStatements, LineGettersReadFieldsByName) {
    CTestJobDoc doc;
    BuildSampleJob(doc);
    CSndTo getters;
    CTable* pLines = doc.m_pTable;
    EXPECT_EQ(getters.GetFieldText("Final", pLines, 0), "500.00");
    EXPECT_EQ(getters.GetWordsIndentLeft("WordsAbove", pLines, 0), "4");
    EXPECT_EQ(getters.GetWordsIndentRight("WordsBelow", pLines, 0), "2");
    CTable* pDetails = pLines->GetRecord(0)->GetChild();
    const int nTech = 1;  // "Technical Description" in the Detail layout
    EXPECT_EQ(getters.GetTechCompCount(pDetails, 0, nTech), 25);
    EXPECT_EQ(getters.GetTechFileName(pDetails, 0, nTech), "valves.dta");
    EXPECT_EQ(getters.GetTechFileNoText(pDetails, 0, nTech), "7");
    EXPECT_EQ(getters.GetTechStyleText(pDetails, 0, nTech), "2");
    CComponent component;
    getters.GetTechComponent(component, pDetails, 0, nTech, 24);
    EXPECT_EQ(component.GetName(), "Comp25");
    EXPECT_EQ(getters.GetTechCompValue1Text(pDetails, 0, nTech, 24), "75");
    EXPECT_EQ(getters.GetTechCompValue2Text(pDetails, 0, nTech, 24), "25");
    // Names are exact: the Detail layout spells its prices in lower case.
    EXPECT_THROW(getters.GetFieldText("Cost", pDetails, 0), CInvalidArgException);
    EXPECT_THROW(getters.GetTechComponent(component, pDetails, 0, nTech, 25), CInvalidArgException);
}
