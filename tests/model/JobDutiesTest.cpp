// The job document's commands and steps that reach beyond the model: they
// do nothing while no duty is installed, and call the installed duties in
// their order (the open edits are committed before a store or a close).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/CmdTarget.h"
#include "model/CorvDoc.h"
#include "model/JobDuties.h"
#include "model/NewJobDefaults.h"
#include "res/resource.h"

namespace {

class JobDutiesTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_doc.m_bAutoDelete = FALSE;
        m_doc.InitNewJobData(CNewJobDefaults());
    }
    void TearDown() override { CorvJobDuties() = CJobDuties(); }

    // Installs duties that write down what they are asked.
    void Record() {
        CJobDuties& duties = CorvJobDuties();
        duties.initNewJob = [this](CCorvDoc& doc) {
            Note(doc, "new job");
        };
        duties.commitEdits = [this](CCorvDoc& doc) {
            Note(doc, "commit");
        };
        duties.store = [this](CCorvDoc& doc, const CString& strNumber) {
            Note(doc, "store " + std::string(strNumber.GetString()));
        };
    }
    void Note(CCorvDoc& doc, const std::string& what) {
        EXPECT_EQ(&doc, &m_doc);
        m_calls.push_back(what);
    }

    CCorvDoc m_doc;
    std::vector<std::string> m_calls;
};

}  // namespace

TEST_F(JobDutiesTest, WithoutDutiesTheCommandsLeaveTheJobAsItIs) {
    m_doc.SetProject("Kept");
    m_doc.SetModifiedFlag(FALSE);
    m_doc.OnFileStore();
    m_doc.OnFileStoreAs();
    m_doc.CommitEdits();
    m_doc.InitNewJob();
    EXPECT_EQ(m_doc.GetProject(), "Kept");
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(JobDutiesTest, StoreCommitsFirstAndStoreAsAddsUnderNoNumber) {
    Record();
    m_doc.SetCorvNumber("1234");
    m_doc.OnFileStore();
    m_doc.OnFileStoreAs();
    EXPECT_EQ(m_calls, (std::vector<std::string>{"commit", "store 1234", "commit", "store Unassigned"}));
}

TEST_F(JobDutiesTest, ANewDocumentStartsFromTheInstalledNewJobValues) {
    Record();
    ASSERT_TRUE(m_doc.OnNewDocument());
    EXPECT_EQ(m_calls, (std::vector<std::string>{"new job"}));
}

TEST_F(JobDutiesTest, SavePromptAndCloseCommitTheOpenEditsFirst) {
    Record();
    m_doc.SetModifiedFlag(FALSE);
    EXPECT_TRUE(m_doc.SaveModified());
    EXPECT_EQ(m_calls, (std::vector<std::string>{"commit"}));
    m_calls.clear();
    // Close commits, then asks through the save prompt, which commits again.
    m_doc.OnFileClose();
    EXPECT_EQ(m_calls, (std::vector<std::string>{"commit", "commit"}));
}

TEST_F(JobDutiesTest, TheJobRoutesItsCommandsAndEnablesSaveOnlyWhenModified) {
    Record();
    m_doc.SetCorvNumber("77");
    EXPECT_TRUE(m_doc.OnCmdMsg(ID_FILE_STORE, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(m_calls, (std::vector<std::string>{"commit", "store 77"}));

    CCmdUI save;
    save.m_nID = ID_FILE_SAVE;
    m_doc.SetModifiedFlag(FALSE);
    EXPECT_TRUE(save.DoUpdate(&m_doc, FALSE));
    EXPECT_FALSE(save.m_bEnabled);
    m_doc.SetModifiedFlag(TRUE);
    save.DoUpdate(&m_doc, FALSE);
    EXPECT_TRUE(save.m_bEnabled);
}
