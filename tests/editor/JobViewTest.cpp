// The job view: its grid built from the job's font, clicks and keys that
// move the current cell, and scrolling by column and line.
#include <gtest/gtest.h>

#include "editor/CorvScrollBar.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"
#include "framework/win/Frame.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "tests/app/AppTestSupport.h"
#include "tests/editor/EditorTestSupport.h"

namespace {

class JobView : public JobWindowTest {
protected:
    int Field(const char* pszName) const { return m_pDoc->m_pSummaryStruct->FindField(pszName); }
    void Key(UINT nChar) {
        m_pEdit->SendMessage(WM_KEYDOWN, nChar, 1);
        PumpMessages();
    }
    void Scroll(UINT nMsg, UINT nCode, CCorvScrollBar* pBar) {
        m_pView->SendMessage(nMsg, MAKEWPARAM(nCode, 0), reinterpret_cast<LPARAM>(pBar->m_hWnd));
        PumpMessages();
    }
    void AddLines(int n) {
        for (int i = 0; i < n; ++i) m_pDoc->m_pTable->AddRecord(m_pDoc->m_pDetailStruct);
        m_pView->m_pVScroll->SetScrollRange(0, m_pDoc->m_pTable->GetSize() - 1);
    }
};

}  // namespace

TEST_F(JobView, TheGridIsLaidOutFromTheJobsFont) {
    CClientDC dc(m_pView);
    dc.SelectObject(m_pView->m_pFont.get());
    TEXTMETRICA tm = {};
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(m_pView->m_nRowHeight, tm.tmHeight + tm.tmExternalLeading + 4);
    EXPECT_EQ(m_pView->m_nLeftMargin, 6 + 3 * tm.tmAveCharWidth);
    ASSERT_EQ(m_pView->m_pSumWidths.size(), 28u);
    ASSERT_EQ(m_pView->m_pDetWidths.size(), 16u);
    EXPECT_EQ(m_pView->m_pSumWidths[Field("Description")], 30 * tm.tmAveCharWidth + 4);
    EXPECT_EQ(m_pView->m_pDetWidths[1], 62 * tm.tmAveCharWidth + 4);

    CRect rcClient;
    m_pView->GetClientRect(&rcClient);
    EXPECT_EQ(m_pView->m_nVisibleRows,
              std::max<int>(0, (rcClient.bottom - 17 - 10) / m_pView->m_nRowHeight - 1));
    EXPECT_EQ(m_pView->GetClientRectLessBars(), CRect(0, 0, rcClient.right - 17, rcClient.bottom - 17));

    // The controls, by their ids.
    EXPECT_EQ(m_pView->m_pHScroll->GetDlgCtrlID(), 32000);
    EXPECT_EQ(m_pView->m_pVScroll->GetDlgCtrlID(), 32002);
    EXPECT_EQ(m_pView->m_pDetailWnd->GetDlgCtrlID(), 32004);
    EXPECT_EQ(m_pEdit->GetDlgCtrlID(), 32005);
    int nMin = -1, nMax = -1;
    m_pView->m_pHScroll->GetScrollRange(&nMin, &nMax);
    EXPECT_EQ(nMax, 27);
    m_pView->m_pVScroll->GetScrollRange(&nMin, &nMax);
    EXPECT_EQ(nMax, 0);  // one line
    EXPECT_FALSE(m_pEdit->IsWindowVisible());
    EXPECT_FALSE(m_pEdit->HasCurrentField());
    EXPECT_FALSE(m_pView->m_pDetailWnd->IsWindowVisible());
    EXPECT_EQ(m_pView->m_pDetailWnd->GetWindowText(), "Detail Screen");
}

TEST_F(JobView, AClickMakesTheCellCurrentAndPutsTheEditorOverIt) {
    PutSummary(m_pDoc, 0, "Qty", "12");
    Click(m_pView, SummaryCellPoint(m_pView, "Qty", 0));
    ASSERT_TRUE(m_pEdit->IsWindowVisible());
    EXPECT_EQ(m_pEdit->m_nCol, Field("Qty"));
    EXPECT_EQ(m_pEdit->m_nRow, 0);
    EXPECT_EQ(m_pEdit->GetWindowText(), "12");
    const int x = m_pView->m_nLeftMargin + m_pView->m_pSumWidths[0];
    const int y = m_pView->m_nRowHeight + 5;
    EXPECT_EQ(m_pEdit->GetCellRect(),
              CRect(x + 2, y + 2, x + m_pView->m_pSumWidths[1] - 2, y + m_pView->m_nRowHeight - 2));
    CRect rcWindow;
    m_pEdit->GetWindowRect(&rcWindow);
    m_pView->ScreenToClient(&rcWindow);
    EXPECT_EQ(rcWindow, m_pEdit->GetCellRect());
    EXPECT_FALSE(m_pDoc->IsModified());

    // The number strip and the header select nothing, and the open edit is committed.
    Click(m_pView, POINT{3, y + 3});
    EXPECT_FALSE(m_pEdit->HasCurrentField());
    EXPECT_FALSE(m_pEdit->IsWindowVisible());
}

TEST_F(JobView, AClickBelowTheLastLineAppendsBlankLinesUpToIt) {
    ASSERT_GE(m_pView->m_nVisibleRows, 4);
    Click(m_pView, SummaryCellPoint(m_pView, "Itm", 3));
    ASSERT_EQ(m_pDoc->m_pTable->GetSize(), 4);
    for (int i = 1; i < 4; ++i) {
        ASSERT_NE(m_pDoc->m_pTable->GetRecord(i)->GetChild(), nullptr);
        EXPECT_TRUE(m_pDoc->m_pTable->GetRecord(i)->IsEmpty());
    }
    EXPECT_TRUE(m_pDoc->IsModified());
    EXPECT_EQ(m_pEdit->m_nRow, 3);
    int nMin = -1, nMax = -1;
    m_pView->m_pVScroll->GetScrollRange(&nMin, &nMax);
    EXPECT_EQ(nMax, 3);
}

TEST_F(JobView, KeysMoveTheCurrentCell) {
    AddLines(2);
    Click(m_pView, SummaryCellPoint(m_pView, "Itm", 0));
    Key(VK_TAB);
    EXPECT_EQ(m_pEdit->m_nCol, Field("Qty"));
    Key(VK_DOWN);
    EXPECT_EQ(m_pEdit->m_nRow, 1);
    Key(VK_UP);
    EXPECT_EQ(m_pEdit->m_nRow, 0);
    Key(VK_UP);  // on line 0 the grid only tries to scroll
    EXPECT_EQ(m_pEdit->m_nRow, 0);
    EXPECT_TRUE(m_pEdit->IsWindowVisible());

    // With arrow control on, Left and Right stay in the text.
    m_pView->m_bArrowControl = TRUE;
    Key(VK_RIGHT);
    EXPECT_EQ(m_pEdit->m_nCol, Field("Qty"));
    m_pView->m_bArrowControl = FALSE;
    Key(VK_RIGHT);
    EXPECT_EQ(m_pEdit->m_nCol, Field("Description"));
    Key(VK_LEFT);
    EXPECT_EQ(m_pEdit->m_nCol, Field("Qty"));

    // Down on the last line appends a blank line.
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(m_pEdit->m_nRow, 2);
    Key(VK_DOWN);
    EXPECT_EQ(m_pEdit->m_nRow, 3);
    EXPECT_EQ(m_pDoc->m_pTable->GetSize(), 4);
}

TEST_F(JobView, TabOnTheLastColumnScrollsButDoesNotWrap) {
    Click(m_pView, SummaryCellPoint(m_pView, "Itm", 0));
    for (int i = 0; i < 40 && m_pEdit->m_nCol < 27; ++i) Key(VK_TAB);
    EXPECT_EQ(m_pEdit->m_nCol, 27);
    const int nPos = m_pView->m_pHScroll->GetScrollPos();
    Key(VK_TAB);
    EXPECT_EQ(m_pEdit->m_nCol, 27);
    EXPECT_EQ(m_pEdit->m_nRow, 0);
    EXPECT_GE(m_pView->m_pHScroll->GetScrollPos(), nPos);
    Key(VK_HOME);  // top line, first column
    EXPECT_EQ(m_pView->m_pHScroll->GetScrollPos(), 0);
}

TEST_F(JobView, ScrollingMovesTheGridByColumnAndLineAndTheEditorWithIt) {
    AddLines(40);
    Click(m_pView, SummaryCellPoint(m_pView, "Description", 1));
    ASSERT_TRUE(m_pEdit->IsWindowVisible());
    const CRect rcBefore = m_pEdit->GetCellRect();

    Scroll(WM_HSCROLL, SB_LINERIGHT, m_pView->m_pHScroll.get());
    EXPECT_EQ(m_pView->m_pHScroll->GetScrollPos(), 1);
    CRect rcExpected = rcBefore;
    rcExpected.OffsetRect(-m_pView->m_pSumWidths[0], 0);
    EXPECT_EQ(m_pEdit->GetCellRect(), rcExpected);

    Scroll(WM_VSCROLL, SB_LINEDOWN, m_pView->m_pVScroll.get());
    EXPECT_EQ(m_pView->m_pVScroll->GetScrollPos(), 1);
    rcExpected.OffsetRect(0, -m_pView->m_nRowHeight);
    EXPECT_EQ(m_pEdit->GetCellRect(), rcExpected);
    EXPECT_TRUE(m_pEdit->IsWindowVisible());

    // Its line scrolls off: the editor hides but its cell stays current.
    Scroll(WM_VSCROLL, SB_LINEDOWN, m_pView->m_pVScroll.get());
    EXPECT_FALSE(m_pEdit->IsWindowVisible());
    EXPECT_EQ(m_pEdit->m_nRow, 1);
    Scroll(WM_VSCROLL, SB_PAGEDOWN, m_pView->m_pVScroll.get());
    EXPECT_EQ(m_pView->m_pVScroll->GetScrollPos(), 2 + m_pView->m_nVisibleRows - 1);
    Scroll(WM_VSCROLL, SB_TOP, m_pView->m_pVScroll.get());
    EXPECT_EQ(m_pView->m_pVScroll->GetScrollPos(), 0);
    EXPECT_TRUE(m_pEdit->IsWindowVisible());
    rcExpected.OffsetRect(0, m_pView->m_nRowHeight);
    EXPECT_EQ(m_pEdit->GetCellRect(), rcExpected);
}

TEST_F(JobView, CommitEditWritesTheTextAndLeavesNoCurrentCell) {
    Click(m_pView, SummaryCellPoint(m_pView, "Operator", 0));
    m_pEdit->SetWindowText("Smith");
    m_pView->CommitEdit();
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Operator"), "Smith");
    EXPECT_TRUE(m_pDoc->IsModified());
    EXPECT_FALSE(m_pEdit->HasCurrentField());
    EXPECT_FALSE(m_pEdit->IsWindowVisible());
}

TEST_F(JobView, AJobWithoutLinesPaintsAndTakesAClick) {
    m_pDoc->m_pTable->RemoveAll();
    m_pView->Invalidate();
    m_pView->UpdateWindow();
    Click(m_pView, SummaryCellPoint(m_pView, "Itm", 0));
    EXPECT_EQ(m_pDoc->m_pTable->GetSize(), 1);
    EXPECT_EQ(m_pEdit->m_nRow, 0);
}

TEST_F(JobView, AViewTooSmallForOneRowShowsOnlyTheHeader) {
    CFrameWnd* pFrame = m_pView->GetParentFrame();
    pFrame->ShowWindow(SW_RESTORE);
    pFrame->MoveWindow(0, 0, 300, 60 + m_pView->m_nRowHeight);
    PumpMessages();
    CRect rc;
    m_pView->GetClientRect(&rc);
    ASSERT_LT(rc.bottom - 17 - 10, 2 * m_pView->m_nRowHeight);
    EXPECT_EQ(m_pView->m_nVisibleRows, 0);
    Click(m_pView, POINT{m_pView->m_nLeftMargin + 5, m_pView->m_nRowHeight + 8});
    EXPECT_FALSE(m_pEdit->HasCurrentField());
    EXPECT_FALSE(m_pEdit->IsWindowVisible());
}
