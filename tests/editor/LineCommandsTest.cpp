// The line commands and the view's own Edit and Options commands, run
// through the main window as the menu runs them: cut, copy, paste and
// insert of Summary and Detail lines through the line clipboard, the copies
// between Detail fields, Delete Bottom Blanks, Font, Arrow Control and
// which commands the menu offers when.
#include <gtest/gtest.h>

#include "app/MainFrame.h"
#include "editor/CorvScrollBar.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"
#include "editor/EditorMessages.h"
#include "framework/core/CmdTarget.h"
#include "framework/win/App.h"
#include "framework/win/FontDialog.h"
#include "model/Field.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

class LineCommands : public JobWindowTest {
protected:
    void SetUp() override {
        JobWindowTest::SetUp();
        if (HasFatalFailure()) return;
        m_pDetail = m_pView->m_pDetailWnd.get();
    }
    void TearDown() override {
        CFontDialog::ClearTestHooks();
        JobWindowTest::TearDown();
    }

    // Lines 0..n-1 on the Summary table, the scroll range kept with them.
    void SetLines(CCorvView* pView, int n) {
        CCorvDoc* pDoc = pView->GetDocument();
        while (pDoc->m_pTable->GetSize() < n) pDoc->m_pTable->AddRecord(pDoc->m_pDetailStruct);
        pView->m_pVScroll->SetScrollRange(0, n - 1);
    }
    void ClickSummary(const char* pszField, int nVisibleRow) {
        Click(m_pView, SummaryCellPoint(m_pView, pszField, nVisibleRow));
    }
    POINT DetailCellPoint(const char* pszField, int nVisibleRow) const {
        const int nField = m_pDoc->m_pDetailStruct->FindField(pszField);
        int x = m_pView->m_nLeftMargin;
        for (int c = m_pDetail->m_pHScroll->GetScrollPos(); c < nField; ++c) x += m_pView->m_pDetWidths[c];
        return POINT{x + 3, (nVisibleRow + 1) * m_pView->m_nRowHeight + 5 + 3};
    }
    // Opens the Detail window of Summary line nRow and makes a Detail cell current.
    void OpenDetailAt(int nRow, const char* pszField, int nDetailRow) {
        RightClick(m_pView, SummaryCellPoint(m_pView, "Itm", nRow));
        ASSERT_TRUE(m_pDetail->IsWindowVisible());
        Click(m_pDetail, DetailCellPoint(pszField, nDetailRow));
        ASSERT_NE(m_pDetail->m_pEditWnd, nullptr);
        ASSERT_TRUE(m_pDetail->m_pEditWnd->IsWindowVisible());
    }
    static void Command(UINT nID) {
        AfxGetMainWnd()->SendMessage(WM_COMMAND, nID);
        PumpMessages();
    }
    static BOOL IsEnabled(UINT nID) {
        CCmdUI ui;
        ui.m_nID = nID;
        ui.DoUpdate(AfxGetMainWnd(), TRUE);
        return ui.m_bEnabled;
    }
    int Lines() const { return m_pDoc->m_pTable->GetSize(); }
    CTable* DetailOf(int nRow) const { return m_pDoc->m_pTable->GetRecord(nRow)->GetChild(); }
    CMainFrame* Frame() const { return dynamic_cast<CMainFrame*>(AfxGetMainWnd()); }

    CDetailWnd* m_pDetail = nullptr;
};

}  // namespace

TEST_F(LineCommands, CopyAndPasteASummaryLineWithItsDetailLinesAskingOnlyOverData) {
    SetLines(m_pView, 3);
    PutSummary(m_pDoc, 0, "Itm", "1");
    PutSummary(m_pDoc, 0, "Operator", "FV-100");
    PutDetail(m_pDoc, 0, 0, "PartNumber", "PN-1");
    PutDetail(m_pDoc, 0, 1, "PartNumber", "PN-2");
    PutSummary(m_pDoc, 1, "Operator", "keep me");
    MessageBoxRecorder boxes;

    // The cell's typing is committed before the line is copied.
    ClickSummary("Itm", 0);
    m_pEdit->SetSel(1, 1);
    TypeText(m_pEdit, "0");
    Command(ID_EDIT_COPY_LINE);
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Itm"), "10");
    m_pDoc->SetModifiedFlag(FALSE);

    // Over a blank line: no question.
    ClickSummary("Operator", 2);
    Command(ID_EDIT_PASTE_LINE);
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_EQ(SummaryText(m_pDoc, 2, "Itm"), "10");
    EXPECT_EQ(SummaryText(m_pDoc, 2, "Operator"), "FV-100");
    ASSERT_EQ(DetailOf(2)->GetSize(), 2);
    EXPECT_EQ(DetailText(m_pDoc, 2, 1, "PartNumber"), "PN-2");
    EXPECT_NE(DetailOf(2)->GetRecord(0), DetailOf(0)->GetRecord(0));  // copies, not shared lines
    EXPECT_TRUE(m_pDoc->IsModified());
    EXPECT_EQ(m_pEdit->GetWindowText(), "FV-100");  // the editor shows the pasted text

    // Over data: No keeps the line, Yes replaces it.
    m_pDoc->SetModifiedFlag(FALSE);
    ClickSummary("Operator", 1);
    boxes.QueueAnswer(IDNO);
    Command(ID_EDIT_PASTE_LINE);
    EXPECT_EQ(SummaryText(m_pDoc, 1, "Operator"), "keep me");
    EXPECT_FALSE(m_pDoc->IsModified());
    Command(ID_EDIT_PASTE_LINE);
    EXPECT_EQ(SummaryText(m_pDoc, 1, "Operator"), "FV-100");
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].text, EditorMsg::kPasteLineQuestion);
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
}

TEST_F(LineCommands, CutLineRemovesAfterYesClearsTheOnlyLineAndFollowsTheLastLine) {
    SetLines(m_pView, 3);
    PutSummary(m_pDoc, 0, "Operator", "A");
    PutSummary(m_pDoc, 1, "Operator", "B");
    PutSummary(m_pDoc, 2, "Operator", "C");
    MessageBoxRecorder boxes;

    ClickSummary("Operator", 1);
    boxes.QueueAnswer(IDNO);
    Command(ID_EDIT_CUT_LINE);
    EXPECT_EQ(Lines(), 3);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{EditorMsg::kCutLineQuestion}));

    Command(ID_EDIT_CUT_LINE);  // Yes
    ASSERT_EQ(Lines(), 2);
    EXPECT_EQ(SummaryText(m_pDoc, 1, "Operator"), "C");
    EXPECT_EQ(m_pEdit->m_nRow, 1);
    EXPECT_EQ(m_pEdit->GetWindowText(), "C");
    EXPECT_TRUE(m_pDoc->IsModified());
    // The cut line went to the clipboard first.
    EXPECT_EQ(std::string(Frame()->m_pSummaryClip->GetFieldByName("Operator")->GetText()), "B");
    int nMin = 0, nMax = 0;
    m_pView->m_pVScroll->GetScrollRange(&nMin, &nMax);
    EXPECT_EQ(nMax, 1);

    // Cutting the last line leaves the editor, visible, on the new last line.
    Command(ID_EDIT_CUT_LINE);
    ASSERT_EQ(Lines(), 1);
    EXPECT_EQ(m_pEdit->m_nRow, 0);
    EXPECT_TRUE(m_pEdit->IsWindowVisible());
    EXPECT_EQ(m_pEdit->GetWindowText(), "A");

    // The only line is cleared, never removed.
    PutDetail(m_pDoc, 0, 2, "PartNumber", "PN");
    Command(ID_EDIT_CUT_LINE);
    ASSERT_EQ(Lines(), 1);
    EXPECT_TRUE(m_pDoc->m_pTable->GetRecord(0)->IsEmpty());
    EXPECT_EQ(DetailOf(0)->GetSize(), 0);
    EXPECT_EQ(m_pEdit->GetWindowText(), "");
}

TEST_F(LineCommands, InsertLineLeavesTheEditorOnItsLineBelowANewBlankLine) {
    SetLines(m_pView, 2);
    PutSummary(m_pDoc, 1, "Operator", "second");
    CRecord* pSecond = m_pDoc->m_pTable->GetRecord(1);
    ClickSummary("Operator", 1);
    m_pDoc->SetModifiedFlag(FALSE);
    Command(ID_EDIT_INSERT_LINE);
    ASSERT_EQ(Lines(), 3);
    EXPECT_TRUE(m_pDoc->m_pTable->GetRecord(1)->IsEmpty());
    EXPECT_NE(DetailOf(1), nullptr);  // a new Summary line has its Detail table
    EXPECT_EQ(m_pDoc->m_pTable->GetRecord(2), pSecond);
    EXPECT_EQ(m_pEdit->m_nRow, 2);
    EXPECT_EQ(m_pEdit->GetCellRect().top, SummaryCellPoint(m_pView, "Operator", 2).y - 3 + 2);
    EXPECT_EQ(m_pEdit->GetWindowText(), "second");
    EXPECT_TRUE(m_pDoc->IsModified());
}

TEST_F(LineCommands, ASummaryLineCopiedInOneJobPastesWithItsDetailLinesIntoAnother) {
    SetLines(m_pView, 1);
    PutSummary(m_pDoc, 0, "Operator", "from A");
    PutDetail(m_pDoc, 0, 0, "PartNumber", "A-1");
    PutDetail(m_pDoc, 0, 1, "cost", "12.50");
    ClickSummary("Operator", 0);
    Command(ID_EDIT_COPY_LINE);
    EXPECT_FALSE(m_pDoc->IsModified());  // copying changes nothing

    TestApp().OnFileNew();
    PumpMessages();
    ASSERT_EQ(OpenJobs().size(), 2u);
    CCorvDoc* pOther = OpenJobs().back();
    auto* pOtherView = dynamic_cast<CCorvView*>(pOther->GetViews().at(0));
    ASSERT_NE(pOtherView, nullptr);
    Click(pOtherView, SummaryCellPoint(pOtherView, "Operator", 0));
    Command(ID_EDIT_PASTE_LINE);
    EXPECT_EQ(SummaryText(pOther, 0, "Operator"), "from A");
    ASSERT_EQ(pOther->m_pTable->GetRecord(0)->GetChild()->GetSize(), 2);
    EXPECT_EQ(DetailText(pOther, 0, 0, "PartNumber"), "A-1");
    EXPECT_EQ(DetailText(pOther, 0, 1, "cost"), "12.50");
    // The Detail lines belong to the new job's layout, not the clipboard's.
    EXPECT_EQ(pOther->m_pTable->GetRecord(0)->GetChild()->GetRecord(0)->GetTableStruct(),
              pOther->m_pDetailStruct);
    EXPECT_TRUE(pOther->IsModified());
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Operator"), "from A");
}

TEST_F(LineCommands, DetailLineCommandsActOnTheDetailLineAndCopyFieldsWithoutAsking) {
    SetLines(m_pView, 2);
    PutDetail(m_pDoc, 0, 0, "PartNumber", "PN-77");
    PutDetail(m_pDoc, 0, 0, "QuotePN", "old");
    PutDetail(m_pDoc, 0, 0, "Technical Description", "0300 WF");
    PutDetail(m_pDoc, 0, 1, "PartNumber", "PN-88");
    MessageBoxRecorder boxes;

    // Without the Detail window the Detail-line commands are not offered.
    ClickSummary("Operator", 0);
    EXPECT_FALSE(IsEnabled(ID_EDIT_PN_TO_QUOTEPN));
    EXPECT_FALSE(IsEnabled(ID_VIEW_SELECT));

    OpenDetailAt(0, "Product", 0);
    for (UINT nID : {ID_EDIT_PN_TO_QUOTEPN, ID_EDIT_TECH_TO_QUOTE, ID_VIEW_SELECT, ID_VIEW_FIND_PN,
                     ID_EDIT_CUT_LINE, ID_EDIT_INSERT_LINE})
        EXPECT_TRUE(IsEnabled(nID)) << nID;
    // Words and the line dialogs are not offered here.
    EXPECT_FALSE(IsEnabled(ID_VIEW_WORDS));
    EXPECT_FALSE(IsEnabled(ID_EDIT_MULTIPLIER));

    m_pDoc->SetModifiedFlag(FALSE);
    Command(ID_EDIT_PN_TO_QUOTEPN);
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "QuotePN"), "PN-77");
    EXPECT_TRUE(m_pDoc->IsModified());
    Command(ID_EDIT_TECH_TO_QUOTE);
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "QuoteDescription"), "0300 WF");
    EXPECT_TRUE(boxes.Texts().empty());

    // Copy and Insert act on the Detail table, with the Detail clipboard.
    Command(ID_EDIT_COPY_LINE);
    EXPECT_EQ(std::string(Frame()->m_pDetailClip->GetFieldByName("PartNumber")->GetText()), "PN-77");
    Command(ID_EDIT_INSERT_LINE);
    ASSERT_EQ(DetailOf(0)->GetSize(), 3);
    EXPECT_TRUE(DetailOf(0)->GetRecord(0)->IsEmpty());
    EXPECT_EQ(m_pDetail->m_pEditWnd->m_nRow, 1);
    Click(m_pDetail, DetailCellPoint("Product", 0));
    Command(ID_EDIT_PASTE_LINE);
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "QuotePN"), "PN-77");
    EXPECT_EQ(Lines(), 2);  // the Summary table is untouched

    // Cutting the current Detail line asks over data and removes it.
    Click(m_pDetail, DetailCellPoint("Product", 2));
    Command(ID_EDIT_CUT_LINE);
    ASSERT_EQ(DetailOf(0)->GetSize(), 2);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{EditorMsg::kCutLineQuestion}));
    EXPECT_EQ(m_pDetail->m_pEditWnd->m_nRow, 1);
}

TEST_F(LineCommands, DeleteBottomBlanksKeepsTheFirstLineAndStopsAtData) {
    MessageBoxRecorder boxes;
    SetLines(m_pView, 4);
    PutSummary(m_pDoc, 2, "Operator", " ");  // blanks only count as empty
    Command(ID_EDIT_DELETE_BOTTOM_BLANKS);
    EXPECT_EQ(Lines(), 1);
    EXPECT_EQ(m_pView->m_pVScroll->GetScrollPos(), 0);

    SetLines(m_pView, 4);
    PutSummary(m_pDoc, 1, "Operator", "data");
    // A line the user copied stays on the line clipboard: the blank lines
    // do not pass through it.
    Frame()->m_pSummaryClip->GetFieldByName("Operator")->SetText("copied");
    Command(ID_EDIT_DELETE_BOTTOM_BLANKS);
    EXPECT_EQ(Lines(), 2);
    Command(ID_EDIT_DELETE_BOTTOM_BLANKS);  // the last line holds data: nothing goes
    EXPECT_EQ(Lines(), 2);
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_EQ(Frame()->m_pSummaryClip->GetFieldByName("Operator")->GetText(), "copied");

    // With the Detail window open it trims the Detail lines.
    PutDetail(m_pDoc, 0, 0, "PartNumber", "P");
    PutDetail(m_pDoc, 0, 3, "PartNumber", "");
    OpenDetailAt(0, "Product", 0);
    Command(ID_EDIT_DELETE_BOTTOM_BLANKS);
    EXPECT_EQ(DetailOf(0)->GetSize(), 1);
    EXPECT_EQ(Lines(), 2);
}

TEST_F(LineCommands, TextCommandsNeedAnOpenCellAndPasteNeedsClipboardText) {
    for (UINT nID : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_CUT_LINE, ID_EDIT_COPY_LINE,
                     ID_EDIT_PASTE_LINE, ID_EDIT_INSERT_LINE})
        EXPECT_FALSE(IsEnabled(nID)) << nID;
    // Words waits for the project sheet's words pages.
    EXPECT_FALSE(IsEnabled(ID_VIEW_WORDS));
    EXPECT_TRUE(IsEnabled(ID_EDIT_DELETE_BOTTOM_BLANKS));
    EXPECT_TRUE(IsEnabled(ID_OPTIONS_FONT));

    ClickSummary("Operator", 0);
    m_pEdit->SetWindowText("");
    TypeText(m_pEdit, "valve");
    m_pEdit->SetSel(0, 3);
    EXPECT_TRUE(IsEnabled(ID_EDIT_CUT));
    EXPECT_TRUE(IsEnabled(ID_EDIT_UNDO));
    Command(ID_EDIT_COPY);
    EXPECT_TRUE(IsEnabled(ID_EDIT_PASTE));
    Command(ID_EDIT_CUT);
    EXPECT_EQ(m_pEdit->GetWindowText(), "ve");
    m_pEdit->SetSel(2, 2);
    EXPECT_FALSE(IsEnabled(ID_EDIT_COPY));
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(m_pEdit->GetWindowText(), "veval");
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(m_pEdit->GetWindowText(), "ve");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Operator"), "");  // the cell is not committed by these
}

TEST_F(LineCommands, FontChangesTheJobFontAndEveryGridWhileCancelChangesNothing) {
    ClickSummary("Operator", 0);
    const LOGFONT before = m_pDoc->m_lfFont;
    const int nRowHeight = m_pView->m_nRowHeight;
    m_pDoc->SetModifiedFlag(FALSE);
    DWORD dwFlags = 0;
    COLORREF crOffered = 1;
    CFontDialog::SetTestHook([&](CFontDialog& dlg) {
        dwFlags = dlg.m_cf.Flags;
        crOffered = dlg.m_cf.rgbColors;
        dlg.m_lf.lfHeight = -30;
        return static_cast<INT_PTR>(IDCANCEL);
    });
    Command(ID_OPTIONS_FONT);
    EXPECT_NE(dwFlags & CF_SCREENFONTS, 0u);
    EXPECT_NE(dwFlags & CF_EFFECTS, 0u);
    EXPECT_EQ(crOffered, m_pDoc->m_crFontColor);
    EXPECT_EQ(m_pDoc->m_lfFont.lfHeight, before.lfHeight);
    EXPECT_FALSE(m_pDoc->IsModified());

    CFontDialog::SetTestHook([&](CFontDialog& dlg) {
        EXPECT_EQ(dlg.m_lf.lfHeight, before.lfHeight);  // the job's font is offered
        dlg.m_lf.lfHeight = -30;
        dlg.m_cf.rgbColors = RGB(0, 0, 255);
        return static_cast<INT_PTR>(IDOK);
    });
    Command(ID_OPTIONS_FONT);
    EXPECT_EQ(m_pDoc->m_lfFont.lfHeight, -30);
    EXPECT_EQ(m_pDoc->m_crFontColor, RGB(0, 0, 255));
    EXPECT_TRUE(m_pDoc->IsModified());
    EXPECT_GT(m_pView->m_nRowHeight, nRowHeight);
    // The editor follows its cell in the new metrics.
    EXPECT_TRUE(m_pEdit->IsWindowVisible());
    EXPECT_EQ(m_pEdit->GetCellRect().top, m_pView->m_nRowHeight + 5 + 2);
}

TEST_F(LineCommands, ArrowControlTogglesAndShowsItsCheckMark) {
    const BOOL bStart = m_pView->m_bArrowControl;
    CCmdUI ui;
    ui.m_nID = ID_OPTIONS_ARROW_CONTROL;
    ui.DoUpdate(AfxGetMainWnd(), TRUE);
    EXPECT_EQ(ui.m_nCheck, bStart ? 1 : 0);
    Command(ID_OPTIONS_ARROW_CONTROL);
    EXPECT_EQ(m_pView->m_bArrowControl, 1 - bStart);
    ui.DoUpdate(AfxGetMainWnd(), TRUE);
    EXPECT_EQ(ui.m_nCheck, bStart ? 0 : 1);
    Command(ID_OPTIONS_ARROW_CONTROL);
    EXPECT_EQ(m_pView->m_bArrowControl, bStart);
}

TEST_F(LineCommands, CuttingALineClosesItsDetailWindowInAnotherWindowOfTheJobFirst) {
    SetLines(m_pView, 2);
    PutSummary(m_pDoc, 1, "Operator", "B");
    PutDetail(m_pDoc, 1, 0, "cost", "5.00");
    RightClick(m_pView, SummaryCellPoint(m_pView, "Itm", 1));
    ASSERT_TRUE(m_pDetail->IsWindowVisible());
    AfxGetMainWnd()->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    PumpMessages();
    ASSERT_EQ(m_pDoc->GetViews().size(), 2u);
    auto* pOther = dynamic_cast<CCorvView*>(m_pDoc->GetViews()[1]);
    ASSERT_NE(pOther, nullptr);

    // This window rolls its Detail lines up before the line goes.
    MessageBoxRecorder boxes;
    Click(pOther, SummaryCellPoint(pOther, "Operator", 1));
    ASSERT_TRUE(pOther->m_pEditWnd->IsWindowVisible());
    pOther->SendMessage(WM_COMMAND, ID_EDIT_CUT_LINE);
    PumpMessages();
    EXPECT_FALSE(m_pDetail->IsWindowVisible());
    ASSERT_EQ(Lines(), 1);
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Operator"), "");
    EXPECT_EQ(std::string(Frame()->m_pSummaryClip->GetFieldByName("Operator")->GetText()), "B");
    EXPECT_EQ(
        std::string(Frame()->m_pSummaryClip->GetChild()->GetRecord(0)->GetFieldByName("cost")->GetText()),
        "5.00");
}
