// The workspace: the one the application installs and the names it keeps
// for its parts, installing and restoring another, and the line clipboard
// that carries a line from one job to another.
#include <gtest/gtest.h>

#include <memory>

#include "model/Field.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "tests/app/AppTestSupport.h"
#include "workspace/Workspace.h"

TEST(Workspace, TheApplicationInstallsItsOwnAndItsNamesShareTheWorkspacesParts) {
    CCorvApp& app = TestApp();
    ASSERT_EQ(&CorvGetWorkspace(), &app.Workspace());

    CCorvSettings& settings = CorvGetWorkspace().Settings();
    app.m_bRound = TRUE;
    EXPECT_TRUE(settings.m_bRound);
    settings.m_strDtaFolder = "X:\\data\\";
    EXPECT_EQ(app.GetDtaFolder(), "X:\\data\\");
    app.m_arrChoice[kChoiceTag].RemoveAll();
    app.m_arrChoice[kChoiceTag].Add("T-1");
    EXPECT_EQ(CorvGetWorkspace().ChoiceLists()[kChoiceTag].GetSize(), 1);
    app.SetProjectPage(12);  // out of range: the first page
    EXPECT_EQ(settings.m_nProjectPage, 0);
    app.SetFindMode(TRUE);
    EXPECT_TRUE(CorvGetWorkspace().FindState().m_bFindMode);
    app.SetFindMode(FALSE);
}

TEST(Workspace, AnotherInstalledWorkspaceIsUsedUntilThePreviousOneIsRestored) {
    CWorkspace own;
    CWorkspace* pPrevious = CorvInstallWorkspace(&own);
    EXPECT_EQ(pPrevious, &TestApp().Workspace());
    EXPECT_EQ(&CorvGetWorkspace(), &own);
    EXPECT_EQ(CorvInstallWorkspace(pPrevious), &own);
    EXPECT_EQ(&CorvGetWorkspace(), &TestApp().Workspace());
}

TEST(Workspace, WithoutAnInstalledWorkspaceLowerCodeGetsAnEmptyOneOfItsOwn) {
    CWorkspace* pPrevious = CorvInstallWorkspace(nullptr);
    CWorkspace& fallback = CorvGetWorkspace();
    EXPECT_NE(&fallback, pPrevious);
    EXPECT_EQ(&CorvGetWorkspace(), &fallback);  // always the same one
    EXPECT_EQ(fallback.ChoiceLists()[kChoiceCustomers].GetSize(), 0);
    CorvInstallWorkspace(pPrevious);
}

namespace {

// One job's lines: a Summary table whose lines own Detail tables.
struct JobLines {
    CTableStruct summary{CTableStruct::kindSummary};
    CTableStruct detail{CTableStruct::kindDetail};
    CTable table{&summary};
    JobLines() {
        table.AddRecord(&detail);
        table.AddRecord(&detail);
    }
};

}  // namespace

TEST(LineClipboard, ASummaryLineWithItsDetailLinesPastesIntoAnotherJob) {
    CLineClipboard clipboard;
    auto source = std::make_unique<JobLines>();
    CRecord* pLine = source->table.GetRecord(1);
    pLine->GetFieldByName("Operator")->SetText("B");
    pLine->GetChild()->AddRecord()->GetFieldByName("PartNumber")->SetText("PN-1");
    clipboard.CopyRecordToSummaryClip(&source->table, 1);
    // The clip is a copy: the first job may change or close.
    pLine->GetFieldByName("Operator")->SetText("changed");
    source.reset();

    JobLines target;
    clipboard.CopyRecordFromSummaryClip(&target.table, 0);
    const CRecord* pPasted = target.table.GetRecord(0);
    EXPECT_STREQ(pPasted->GetFieldByName("Operator")->GetText(), "B");
    ASSERT_EQ(pPasted->GetChild()->GetSize(), 1);
    EXPECT_STREQ(pPasted->GetChild()->GetRecord(0)->GetFieldByName("PartNumber")->GetText(), "PN-1");
    // The pasted line is the target's own: the clip pastes again unchanged.
    target.table.GetRecord(0)->GetFieldByName("Operator")->SetText("C");
    EXPECT_STREQ(clipboard.SummaryClip()->GetFieldByName("Operator")->GetText(), "B");
}

TEST(LineClipboard, DetailLinesHaveAClipOfTheirOwn) {
    CLineClipboard clipboard;
    JobLines job;
    CTable* pDetails = job.table.GetRecord(0)->GetChild();
    pDetails->AddRecord()->GetFieldByName("PartNumber")->SetText("PN-7");
    pDetails->AddRecord();
    clipboard.CopyRecordToDetailClip(pDetails, 0);
    clipboard.CopyRecordFromDetailClip(pDetails, 1);
    EXPECT_STREQ(pDetails->GetRecord(1)->GetFieldByName("PartNumber")->GetText(), "PN-7");
    EXPECT_TRUE(clipboard.SummaryClip()->IsEmpty());  // the Summary clip is untouched
    EXPECT_EQ(clipboard.DetailClip()->GetTableStruct(), clipboard.DetailStruct());
}
