// Jobs in windows: New, Save, Open, refusing files that are not jobs,
// closing with the save question, Find, the freight rate and the line
// clipboard of the main window.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/MainFrame.h"
#include "editor/CorvView.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/FileDialog.h"
#include "framework/win/Frame.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/Record.h"
#include "model/Table.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/MessageBoxRecorder.h"
#include "workspace/QuotationFinder.h"

namespace {

// Settings as on a first run, and no job open.
class Jobs : public ::testing::Test {
protected:
    void SetUp() override {
        CloseAllJobs();
        UseFreshProfile("jobs.ini");
        TestApp().ReadSettings();
        TestApp().LoadChoiceLists();
    }
    void TearDown() override {
        CFileDialog::ClearTestHooks();
        CloseAllJobs();
    }

    static CCorvDoc* NewJob() {
        TestApp().OnFileNew();
        PumpMessages();
        return OpenJobs().empty() ? nullptr : OpenJobs().back();
    }
    static CFrameWnd* FrameOf(CCorvDoc* pDoc) { return pDoc->GetViews().at(0)->GetParentFrame(); }
    static int ChildWindows() {
        auto* pMain = static_cast<CMainFrame*>(AfxGetMainWnd());
        int n = 0;
        for (HWND h = GetWindow(pMain->m_hWndMDIClient, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) ++n;
        return n;
    }
    static void SaveAsNextTime(const std::string& path) {
        CFileDialog::SetTestHook([path](CFileDialog& dlg) {
            dlg.SetPathNameForTest(path.c_str());
            return static_cast<INT_PTR>(IDOK);
        });
    }
    static std::string Field(CCorvDoc* pDoc, int row, const char* name) {
        return pDoc->m_pTable->GetRecord(row)->GetFieldByName(name)->GetText().GetString();
    }
    static void Put(CCorvDoc* pDoc, int row, const char* name, const char* text) {
        pDoc->m_pTable->GetRecord(row)->GetFieldByName(name)->SetText(text);
    }
};

struct EnableProbe : CCmdUI {
    int enabled = -1;
    void Enable(BOOL bOn) override { enabled = bOn ? 1 : 0; }
};

}  // namespace

// Runs before any other test makes a new job: the running count starts at 1.
TEST_F(Jobs, NewJobsAreUnassignedWithTheRunningCountAndTheSettingsDefaults) {
    CCorvDoc* pFirst = NewJob();
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(pFirst->GetTitle(), "Unassigned1");
    CCorvDoc* pSecond = NewJob();
    ASSERT_NE(pSecond, nullptr);
    EXPECT_EQ(pSecond->GetTitle(), "Unassigned2");
    EXPECT_EQ(ChildWindows(), 2);

    EXPECT_FALSE(pSecond->IsModified());
    EXPECT_EQ(pSecond->GetCorvNumber(), "Unassigned");
    EXPECT_EQ(pSecond->GetPackaging(), "Standard Packaging");
    EXPECT_EQ(pSecond->GetPayment(), "Net 30 Days");
    EXPECT_EQ(pSecond->GetStatus(), "Open");
    EXPECT_EQ(pSecond->GetCompanyName(), "Wexmoor");
    EXPECT_EQ(pSecond->GetBillToState(), "BT");
    EXPECT_EQ(pSecond->GetIntro(), "We are pleased to propose the following:");
    EXPECT_EQ(pSecond->GetOffCountry(), "");
    ASSERT_NE(pSecond->m_pTable, nullptr);
    ASSERT_EQ(pSecond->m_pTable->GetSize(), 1);
    EXPECT_TRUE(pSecond->m_pTable->GetRecord(0)->IsEmpty());
    ASSERT_NE(pSecond->m_pTable->GetRecord(0)->GetChild(), nullptr);
    EXPECT_EQ(pSecond->m_pTable->GetRecord(0)->GetChild()->GetSize(), 0);
    ASSERT_EQ(pSecond->GetViews().size(), 1u);
    EXPECT_NE(dynamic_cast<CCorvView*>(pSecond->GetViews()[0]), nullptr);
}

TEST_F(Jobs, SaveWritesTheDocumentsOwnBytesAndOpenReadsThemBack) {
    CCorvDoc* pDoc = NewJob();
    ASSERT_NE(pDoc, nullptr);
    EnableProbe save, saveAs;
    pDoc->OnUpdateFileSave(&save);
    EXPECT_EQ(save.enabled, 0);

    pDoc->SetProject("Pump station");
    Put(pDoc, 0, "Qty", "3");
    pDoc->OnUpdateFileSave(&save);
    EXPECT_EQ(save.enabled, 1);
    pDoc->OnUpdateFileSaveAs(&saveAs);
    EXPECT_EQ(saveAs.enabled, -1);  // left as the command route has it: enabled

    const std::string path = TestDir() + "pump station.job";
    SaveAsNextTime(path);
    AfxGetMainWnd()->SendMessage(WM_COMMAND, ID_FILE_SAVE);  // through the command route
    EXPECT_EQ(CFileDialog::PendingTestHooks(), 0);
    ASSERT_TRUE(FileExists(path));
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_EQ(pDoc->GetTitle(), "pump station.job");
    EXPECT_EQ(ReadFileBytes(path), SerializeJob(*pDoc));

    CloseAllJobs();
    CDocument* pOpened = TestApp().OpenDocumentFile(path.c_str());
    ASSERT_NE(pOpened, nullptr);
    auto* pJob = static_cast<CCorvDoc*>(pOpened);
    EXPECT_EQ(pJob->GetProject(), "Pump station");
    EXPECT_EQ(Field(pJob, 0, "Qty"), "3");
    EXPECT_FALSE(pJob->IsModified());
    EXPECT_EQ(pJob->GetTitle(), "pump station.job");
    EXPECT_EQ(ChildWindows(), 1);
}

TEST_F(Jobs, SaveAsProposesTheTitleWithoutCharactersAFileNameCannotHold) {
    CCorvDoc* pDoc = NewJob();
    ASSERT_NE(pDoc, nullptr);
    pDoc->SetTitle("CORV: 1234  --  Quote No: A/7*?");
    std::string proposed = "?";
    CFileDialog::SetTestHook([&proposed](CFileDialog& dlg) {
        proposed = dlg.GetInitialFileName().GetString();
        return static_cast<INT_PTR>(IDCANCEL);
    });
    pDoc->OnFileSaveAs();
    EXPECT_EQ(proposed.substr(0, proposed.find(".job")), "CORV 1234  --  Quote No A7");
}

TEST_F(Jobs, AFileThatIsNotAJobIsRefusedAndLeavesNoWindow) {
    const std::string text = TestDir() + "letter.job";
    const std::string older = TestDir() + "older.job";
    const std::string empty = TestDir() + "empty.job";
    // Its first byte reads as the length of a text that is not the job file's.
    WriteFileBytes(text,
                   "Dear Sir, this is a letter and no job. It is long enough for its first text to be read.");
    WriteFileBytes(older, std::string("\x22Job File for CorvantisZoro Ver 5.0") + std::string(200, '\0'));
    WriteFileBytes(empty, "");
    for (const std::string& path : {text, older, empty}) {
        MessageBoxRecorder boxes;
        EXPECT_EQ(TestApp().OpenDocumentFile(path.c_str()), nullptr);
        PumpMessages();
        ASSERT_EQ(boxes.Shown().size(), 1u) << path;
        EXPECT_EQ(boxes.Shown()[0].text, "Can NOT open " + path + "\n\nThis is NOT a current job file.");
        EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OK));
        EXPECT_TRUE(OpenJobs().empty());
        EXPECT_EQ(ChildWindows(), 0);
    }
}

TEST_F(Jobs, ClosingAChangedJobAsksAndEachAnswerDoesItsPart) {
    CCorvDoc* pDoc = NewJob();
    ASSERT_NE(pDoc, nullptr);
    pDoc->SetProject("Changed");
    const std::string question = "Save changes to " + std::string(pDoc->GetTitle()) + "?";

    {  // Cancel: the job stays, changed.
        MessageBoxRecorder boxes;
        boxes.QueueAnswer(IDCANCEL);
        pDoc->OnFileClose();
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].text, question);
        EXPECT_EQ(boxes.Shown()[0].type & 0x0F, static_cast<UINT>(MB_YESNOCANCEL));
        ASSERT_EQ(OpenJobs().size(), 1u);
        EXPECT_TRUE(pDoc->IsModified());
    }
    {  // Closing the window asks the same.
        MessageBoxRecorder boxes;
        boxes.QueueAnswer(IDCANCEL);
        FrameOf(pDoc)->SendMessage(WM_CLOSE);
        PumpMessages();
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].text, question);
        EXPECT_EQ(OpenJobs().size(), 1u);
    }
    {  // No: closed, nothing written.
        MessageBoxRecorder boxes;
        boxes.QueueAnswer(IDNO);
        FrameOf(pDoc)->SendMessage(WM_CLOSE);
        PumpMessages();
        EXPECT_EQ(boxes.Shown().size(), 1u);
        EXPECT_TRUE(OpenJobs().empty());
        EXPECT_EQ(ChildWindows(), 0);
    }
    {  // Yes: saved under the name the user gives, then closed.
        CCorvDoc* pOther = NewJob();
        ASSERT_NE(pOther, nullptr);
        pOther->SetProject("Saved on close");
        const std::string path = TestDir() + "saved on close.job";
        SaveAsNextTime(path);
        MessageBoxRecorder boxes;
        boxes.QueueAnswer(IDYES);
        pOther->OnFileClose();
        PumpMessages();
        EXPECT_EQ(boxes.Shown().size(), 1u);
        EXPECT_TRUE(OpenJobs().empty());
        ASSERT_TRUE(FileExists(path));
        CDocument* pOpened = TestApp().OpenDocumentFile(path.c_str());
        ASSERT_NE(pOpened, nullptr);
        EXPECT_EQ(static_cast<CCorvDoc*>(pOpened)->GetProject(), "Saved on close");
    }
    {  // An unchanged job closes without a question.
        MessageBoxRecorder boxes;
        CloseAllJobs();
        NewJob()->OnFileClose();
        EXPECT_TRUE(boxes.Shown().empty());
        EXPECT_TRUE(OpenJobs().empty());
    }
}

TEST_F(Jobs, AMinimizedWindowInPrintPreviewIsNotClosed) {
    CCorvDoc* pDoc = NewJob();
    ASSERT_NE(pDoc, nullptr);
    auto* pView = static_cast<CCorvView*>(pDoc->GetViews()[0]);
    CFrameWnd* pFrame = FrameOf(pDoc);
    pView->m_bInPreview = TRUE;
    pFrame->ShowWindow(SW_MINIMIZE);
    MessageBoxRecorder boxes;
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Restore this window and then close it"}));
    EXPECT_EQ(OpenJobs().size(), 1u);
    pView->m_bInPreview = FALSE;
}

TEST_F(Jobs, FindListsTheOpenJobNumbersAndClosesTheNewJobWhenNothingWasLoaded) {
    CCorvDoc* pFirst = NewJob();
    CCorvDoc* pSecond = NewJob();
    ASSERT_TRUE(pFirst && pSecond);
    pSecond->SetCorvNumber("1234");

    std::vector<std::string> numbersSeen;
    int runs = 0;
    bool load = false;
    QuotationFinder previous = SetQuotationFinder([&](CCorvDoc& doc) {
        ++runs;
        for (const CString& s : TestApp().m_arrOpenJobNumbers) numbersSeen.push_back(s.GetString());
        EXPECT_FALSE(TestApp().IsFindMode());  // cleared before the finder runs
        if (load) doc.SetCorvNumber("5678");
        return load;
    });

    TestApp().OnFileFind();
    PumpMessages();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(numbersSeen, (std::vector<std::string>{"Unassigned", "1234"}));
    EXPECT_EQ(OpenJobs(), (std::vector<CCorvDoc*>{pFirst, pSecond}));
    EXPECT_EQ(ChildWindows(), 2);
    EXPECT_EQ(TestApp().m_pDocToClose, nullptr);
    EXPECT_FALSE(TestApp().m_bFindMode);

    load = true;
    TestApp().OnFileFind();
    PumpMessages();
    ASSERT_EQ(OpenJobs().size(), 3u);
    EXPECT_EQ(OpenJobs()[2]->GetCorvNumber(), "5678");
    EXPECT_EQ(TestApp().m_pDocToClose, nullptr);

    // A plain New afterwards does not run the finder.
    NewJob();
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(OpenJobs().size(), 4u);
    SetQuotationFinder(std::move(previous));
}

TEST_F(Jobs, ApplyFreightRecomputesFreightAndFinalOfTheLinesThatHoldData) {
    CCorvDoc* pDoc = NewJob();
    ASSERT_NE(pDoc, nullptr);
    pDoc->m_pTable->AddRecord(pDoc->m_pDetailStruct);
    pDoc->m_pTable->AddRecord(pDoc->m_pDetailStruct);
    Put(pDoc, 0, "Weight", "200");
    Put(pDoc, 0, "Net", "1000");
    Put(pDoc, 2, "Weight", "50");
    Put(pDoc, 2, "Net", "300");
    pDoc->SetModifiedFlag(FALSE);

    pDoc->ApplyFreight("5", TRUE);
    EXPECT_TRUE(pDoc->IsModified());
    EXPECT_EQ(pDoc->GetFreightRate(), "5");
    EXPECT_EQ(Field(pDoc, 0, "FrtAmount"), "10.00");
    EXPECT_EQ(Field(pDoc, 0, "Final"), "1010.00");
    EXPECT_TRUE(pDoc->m_pTable->GetRecord(1)->IsEmpty());
    // 2.50 to the whole dollar: rounding is on by default.
    EXPECT_EQ(Field(pDoc, 2, "FrtAmount"), "3.00");
    EXPECT_EQ(Field(pDoc, 2, "Final"), "303.00");

    // The same rate again: nothing at all.
    Put(pDoc, 0, "Final", "1");
    pDoc->SetModifiedFlag(FALSE);
    pDoc->ApplyFreight("5", TRUE);
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_EQ(Field(pDoc, 0, "Final"), "1.00");

    // Without recalculation only the rate changes.
    pDoc->ApplyFreight("10", FALSE);
    EXPECT_TRUE(pDoc->IsModified());
    EXPECT_EQ(pDoc->GetFreightRate(), "10");
    EXPECT_EQ(Field(pDoc, 0, "FrtAmount"), "10.00");

    // A rate longer than the field is kept cut, and applies again each time.
    pDoc->ApplyFreight("1.0000000000", TRUE);
    EXPECT_EQ(pDoc->GetFreightRate(), "1.00000000");
    EXPECT_EQ(Field(pDoc, 0, "FrtAmount"), "2.00");
    pDoc->SetModifiedFlag(FALSE);
    pDoc->ApplyFreight("1.0000000000", TRUE);
    EXPECT_TRUE(pDoc->IsModified());
}

TEST_F(Jobs, ALineCopiedInOneJobPastesIntoAnotherWithItsDetailLines) {
    CCorvDoc* pFrom = NewJob();
    CCorvDoc* pTo = NewJob();
    ASSERT_TRUE(pFrom && pTo);
    Put(pFrom, 0, "Qty", "4");
    CTable* pDetails = pFrom->m_pTable->GetRecord(0)->GetChild();
    pDetails->AddRecord();
    pDetails->GetRecord(0)->GetFieldByName("Product")->SetText("Valve");

    auto* pMain = static_cast<CMainFrame*>(AfxGetMainWnd());
    pMain->CopyRecordToSummaryClip(pFrom->m_pTable, 0);
    pMain->CopyRecordToDetailClip(pDetails, 0);
    Put(pFrom, 0, "Qty", "9");  // the clipboard holds a copy

    pMain->CopyRecordFromSummaryClip(pTo->m_pTable, 0);
    EXPECT_EQ(Field(pTo, 0, "Qty"), "4");
    CTable* pToDetails = pTo->m_pTable->GetRecord(0)->GetChild();
    ASSERT_EQ(pToDetails->GetSize(), 1);
    EXPECT_EQ(pToDetails->GetRecord(0)->GetFieldByName("Product")->GetText(), "Valve");

    pToDetails->AddRecord();
    pMain->CopyRecordFromDetailClip(pToDetails, 1);
    EXPECT_EQ(pToDetails->GetRecord(1)->GetFieldByName("Product")->GetText(), "Valve");
}

TEST_F(Jobs, MessagesAndCaptionsCarryLongPathsAndTitlesWhole) {
    const std::string path = TestDir() + std::string(150, 'n') + " not a job.job";
    WriteFileBytes(path, std::string("\x22Job File for CorvantisZoro Ver 5.0") + std::string(200, '\0'));
    {
        MessageBoxRecorder boxes;
        EXPECT_EQ(TestApp().OpenDocumentFile(path.c_str()), nullptr);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].text, "Can NOT open " + path + "\n\nThis is NOT a current job file.");
    }

    CCorvDoc* pDoc = NewJob();
    ASSERT_NE(pDoc, nullptr);
    const std::string title = "CORV: 123456789  --  Quote No: " + std::string(220, 'Q');
    pDoc->SetTitle(title.c_str());
    pDoc->SetProject("Changed");
    PumpMessages();
    EXPECT_EQ(FrameOf(pDoc)->GetWindowText(), CString(title.c_str()));

    MessageBoxRecorder boxes;
    boxes.QueueAnswer(IDNO);
    pDoc->OnFileClose();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "Save changes to " + title + "?");
}
