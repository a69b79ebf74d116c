// One quotation stored from two workstations: stores take turns and never
// leave mixed rows, a store never silently overwrites another one's work,
// and a store that meets a lock held elsewhere gives up in bounded time.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "DbTestEnv.h"
#include "TestJob.h"
#include "database/SndToRpt.h"
#include "framework/core/MessageBox.h"
#include "framework/db/Database.h"
#include "model/Record.h"
#include "model/Table.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

using Texts = std::vector<std::string>;
using Rows = std::vector<std::vector<std::string>>;

// Answers every box from any thread: Yes to questions, OK otherwise, and
// keeps the texts.
class ThreadSafeBoxes {
public:
    ThreadSafeBoxes() {
        m_previous = AfxSetMessageBoxHook([this](const char* text, UINT type) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_texts.push_back(text);
            return (type & 0x0F) == MB_YESNO ? IDYES : IDOK;
        });
    }
    ~ThreadSafeBoxes() { AfxSetMessageBoxHook(std::move(m_previous)); }
    Texts Taken() {
        std::lock_guard<std::mutex> lock(m_mutex);
        Texts texts;
        texts.swap(m_texts);
        return texts;
    }

private:
    MessageBoxHook m_previous;
    std::mutex m_mutex;
    Texts m_texts;
};

class StoreTurnsTest : public ::testing::TestWithParam<TestEngine> {
protected:
    void SetUp() override {
        m_db = std::make_unique<TestDatabase>(GetParam());
        if (!m_db->Ready()) GTEST_SKIP() << m_db->SkipReason();
        BuildSampleJob(m_doc);
    }

    // File > Store... on a job, answering the questions in turn.
    BOOL Store(CCorvDoc& doc, std::initializer_list<int> answers) {
        m_boxes.Clear();
        for (int a : answers) m_boxes.QueueAnswer(a);
        CSndToRpt writer(&doc, doc.GetCorvNumber());
        const BOOL bResult = writer.Send();
        EXPECT_EQ(m_boxes.PendingAnswers(), 0u) << "a question was not asked";
        return bResult;
    }

    // The stored number loaded into a new job as the finder's OK loads it.
    void Load(CTestJobDoc& doc, const std::string& strNumber) {
        InitTestJob(doc);
        ASSERT_TRUE(LoadStoredJob(*m_db, doc, strNumber));
        doc.ClearChangedSinceStore();
    }

    // The job's stored rows: its customer, then each Summary row's line
    // number and item, then each Detail row's line numbers and product.
    Texts StoredRows(const std::string& n) {
        Texts rows{m_db->Scalar("SELECT Customer FROM Project WHERE CorvNumber = " + n)};
        for (auto& r : m_db->Query("SELECT SumLineNo, Item FROM Summary WHERE CorvNumber = " + n +
                                   " ORDER BY SumLineNo"))
            rows.push_back("S" + r[0] + " " + r[1]);
        for (auto& r : m_db->Query("SELECT SumLineNo, DtlLineNo, Product FROM Detail WHERE CorvNumber = " +
                                   n + " ORDER BY SumLineNo, DtlLineNo"))
            rows.push_back("D" + r[0] + "." + r[1] + " " + r[2]);
        return rows;
    }

    std::unique_ptr<TestDatabase> m_db;
    CTestJobDoc m_doc;
    MessageBoxRecorder m_boxes;
};

// Job A: line A1 with two Detail lines. Job B: lines B1 and B2, a Detail
// line under B2 only. No Detail row of one has the key of one of the other.
void BuildJobA(CTestJobDoc& doc) {
    InitTestJob(doc);
    doc.SetCustomer("Workstation A");
    CRecord* pLine = doc.m_pTable->GetRecord(0);
    SetField(pLine, "Itm", "A1");
    SetField(AddDetailLine(doc, pLine), "Product", "A1-first");
    SetField(AddDetailLine(doc, pLine), "Product", "A1-second");
}

void BuildJobB(CTestJobDoc& doc) {
    InitTestJob(doc);
    doc.SetCustomer("Workstation B");
    SetField(doc.m_pTable->GetRecord(0), "Itm", "B1");
    CRecord* pLine = AddSummaryLine(doc);
    SetField(pLine, "Itm", "B2");
    SetField(AddDetailLine(doc, pLine), "Product", "B2-first");
}

}  // namespace

TEST_P(StoreTurnsTest, TwoReplacesAtOnceNeverMixTheirRows) {
    CTestJobDoc jobA, jobB;
    BuildJobA(jobA);
    BuildJobB(jobB);
    ASSERT_TRUE(Store(jobA, {IDYES}));
    const std::string n = jobA.GetCorvNumber().str();
    jobB.SetCorvNumber(n.c_str());
    const Texts rowsA{"Workstation A", "S1 A1", "D1.1 A1-first", "D1.2 A1-second"};
    const Texts rowsB{"Workstation B", "S1 B1", "S2 B2", "D2.1 B2-first"};
    ASSERT_EQ(StoredRows(n), rowsA);

    ThreadSafeBoxes boxes;
    const CString strWhere = ("CorvNumber = " + n).c_str();
    for (int nRound = 0; nRound < 20; ++nRound) {
        // Both connections are open before either starts its replace.
        std::atomic<int> nReady{0};
        auto replace = [&](CTestJobDoc* pJob, BOOL* pbDone) {
            CDatabase db;
            m_db->Open(db);
            CSndToRpt writer(pJob, pJob->GetCorvNumber());
            ++nReady;
            while (nReady < 2) std::this_thread::yield();
            db.BeginTrans();
            *pbDone = writer.Replace(&db, strWhere);
            if (*pbDone)
                db.CommitTrans();
            else
                db.Rollback();
        };
        BOOL bDoneA = FALSE, bDoneB = FALSE;
        std::thread first(replace, &jobA, &bDoneA);
        std::thread second(replace, &jobB, &bDoneB);
        first.join();
        second.join();
        EXPECT_TRUE(bDoneA && bDoneB) << "round " << nRound;
        EXPECT_EQ(boxes.Taken(), Texts{}) << "round " << nRound;
        const Texts rows = StoredRows(n);
        ASSERT_TRUE(rows == rowsA || rows == rowsB) << "round " << nRound << ": mixed rows:\n"
                                                    << ::testing::PrintToString(rows);
    }
}

TEST_P(StoreTurnsTest, StoreThatWouldOverwriteAnotherStoreAsksFirst) {
    ASSERT_TRUE(Store(m_doc, {IDYES}));
    const std::string n = m_doc.GetCorvNumber().str();
    // Workstation 2 loads the quotation and changes a quantity.
    CTestJobDoc second;
    Load(second, n);
    SetField(second.m_pTable->GetRecord(0), "Qty", "7");
    second.SetModifiedFlag(TRUE);
    // Workstation 1 changes its own copy and stores it: nobody else stored
    // since, so the question is the usual one.
    m_doc.SetCustomer("Changed on workstation 1");
    ASSERT_TRUE(Store(m_doc, {IDYES}));
    EXPECT_EQ(m_boxes.Texts()[0], "REPLACE \"Corv: " + n + "\" in the Database?");
    const Rows stored = m_db->Snapshot();

    // Workstation 2 stores: told, and No keeps workstation 1's store.
    const std::string strChanged = "\"Corv: " + n +
                                   "\" was changed in the Database by another store since you last loaded "
                                   "or stored it.\nREPLACE it anyway?";
    EXPECT_FALSE(Store(second, {IDNO}));
    EXPECT_EQ(m_boxes.Texts(), Texts{strChanged});
    EXPECT_EQ(m_boxes.Shown()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(m_db->Snapshot(), stored);
    EXPECT_TRUE(second.m_bChangedSinceStore);

    // Yes replaces it; from then on workstation 2 holds what is stored.
    EXPECT_TRUE(Store(second, {IDYES}));
    EXPECT_EQ(m_boxes.Texts(), (Texts{strChanged, "\"Corv: " + n + "\" Replaced in the Database"}));
    EXPECT_EQ(m_db->Scalar("SELECT Qty FROM Summary WHERE SumLineNo = 1 AND CorvNumber = " + n), "7");
    EXPECT_TRUE(Store(second, {IDYES}));
    EXPECT_EQ(m_boxes.Texts()[0], "REPLACE \"Corv: " + n + "\" in the Database?");
    // ... and workstation 1 is now the one that is asked.
    EXPECT_FALSE(Store(m_doc, {IDNO}));
    EXPECT_EQ(m_boxes.Texts(), Texts{strChanged});

    // A job with nothing to compare (opened from its file) asks as ever.
    CTestJobDoc fromFile;
    BuildSampleJob(fromFile);
    fromFile.SetCorvNumber(n.c_str());
    EXPECT_FALSE(Store(fromFile, {IDNO, IDNO}));
    EXPECT_EQ(m_boxes.Texts()[0], "REPLACE \"Corv: " + n + "\" in the Database?");
}

TEST_P(StoreTurnsTest, StoreThatComesWhileTheQuestionIsOpenIsAskedAbout) {
    ASSERT_TRUE(Store(m_doc, {IDYES}));
    const std::string n = m_doc.GetCorvNumber().str();
    m_doc.SetCustomer("Mine");
    // While the user reads the question, another workstation stores.
    Texts shown;
    MessageBoxHook previous = AfxSetMessageBoxHook([&](const char* text, UINT) {
        shown.push_back(text);
        if (shown.size() == 1)
            m_db->Execute("UPDATE Project SET Customer = 'Theirs' WHERE CorvNumber = " + n);
        return shown.size() == 1 ? IDYES : IDNO;
    });
    CSndToRpt writer(&m_doc, m_doc.GetCorvNumber());
    const BOOL bStored = writer.Send();
    AfxSetMessageBoxHook(std::move(previous));

    EXPECT_FALSE(bStored);
    EXPECT_EQ(shown,
              (Texts{"REPLACE \"Corv: " + n + "\" in the Database?",
                     "\"Corv: " + n +
                         "\" was changed in the Database by another store since you last loaded or stored "
                         "it.\nREPLACE it anyway?"}));
    EXPECT_EQ(m_db->Scalar("SELECT Customer FROM Project WHERE CorvNumber = " + n), "Theirs");
}

TEST_P(StoreTurnsTest, StoreThatMeetsAHeldLockGivesUpInBoundedTime) {
    ASSERT_TRUE(Store(m_doc, {IDYES}));
    const std::string n = m_doc.GetCorvNumber().str();
    const Rows stored = m_db->Snapshot();
    m_doc.SetCustomer("Changed");

    // Another session changes the quotation's Project row and holds it.
    CDatabase holder;
    m_db->Open(holder);
    holder.BeginTrans();
    holder.ExecuteSQL(("UPDATE Project SET Customer = 'Held' WHERE CorvNumber = " + n).c_str());
    std::atomic<bool> bStoreDone{false};
    std::thread release([&] {
        // Let go at the latest after a minute, so a store that waits on
        // ends this test.
        for (int i = 0; i < 600 && !bStoreDone; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        holder.Rollback();
    });

    const auto start = std::chrono::steady_clock::now();
    const BOOL bStored = Store(m_doc, {IDYES});
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count();
    bStoreDone = true;
    release.join();

    EXPECT_FALSE(bStored);
    EXPECT_LE(seconds, 20);
    EXPECT_GE(seconds, 5);
    EXPECT_EQ(
        m_boxes.Texts(),
        (Texts{"REPLACE \"Corv: " + n + "\" in the Database?",
               "\"Corv: " + n +
                   "\" is being stored from elsewhere just now.\n\nNothing was changed. Please try again "
                   "in a moment.",
               "\"Corv: " + n + "\" was NOT Replaced in the Database"}));
    EXPECT_EQ(m_db->Snapshot(), stored);
    EXPECT_TRUE(m_doc.m_bChangedSinceStore);
}

INSTANTIATE_TEST_SUITE_P(Engines, StoreTurnsTest,
                         ::testing::Values(TestEngine::SQLite, TestEngine::PostgreSQL),
                         [](const ::testing::TestParamInfo<TestEngine>& info) {
                             return std::string(TestEngineName(info.param));
                         });
