// File > Store... and File > Store As... on a job document: the writer's
// questions, then "Did NOT Update Database." whenever nothing was stored.
#include <gtest/gtest.h>

#include <memory>

#include "DbTestEnv.h"
#include "TestJob.h"
#include "database/JobStore.h"
#include "model/JobDuties.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

class StoreCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The store duty the application installs for every job.
        CorvJobDuties().store = StoreJobInDatabase;
        m_db = std::make_unique<TestDatabase>(TestEngine::SQLite);
        ASSERT_TRUE(m_db->Ready());
        BuildSampleJob(m_doc);
    }
    void TearDown() override { CorvJobDuties().store = nullptr; }

    std::unique_ptr<TestDatabase> m_db;
    CTestJobDoc m_doc;
    MessageBoxRecorder m_boxes;
};

}  // namespace

TEST_F(StoreCommandTest, DecliningTellsThatNothingWasStored) {
    m_boxes.QueueAnswer(IDNO);
    m_doc.OnFileStore();
    EXPECT_EQ(m_boxes.Texts(), (std::vector<std::string>{"ADD this as a NEW Quotation to the Database?",
                                                         "Did NOT Update Database."}));
    EXPECT_EQ(m_boxes.Shown()[1].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(m_doc.GetCorvNumber(), "Unassigned");
}

TEST_F(StoreCommandTest, StoreAsAlwaysAddsUnderANewNumber) {
    m_boxes.QueueAnswer(IDYES);
    m_doc.OnFileStore();
    const CString strFirst = m_doc.GetCorvNumber();
    ASSERT_NE(strFirst, "Unassigned");
    EXPECT_EQ(m_boxes.Texts().size(), 2u);  // no "Did NOT Update" after a store
    // A new number marks the job modified, so that its file can carry it.
    EXPECT_TRUE(m_doc.IsModified());

    m_boxes.Clear();
    m_boxes.QueueAnswer(IDYES);
    m_doc.OnFileStoreAs();
    EXPECT_EQ(m_boxes.Texts()[0], "ADD this as a NEW Quotation to the Database?");
    EXPECT_NE(m_doc.GetCorvNumber(), strFirst);
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM Project"), "2");
}
