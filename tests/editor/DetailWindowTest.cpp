// The Detail window: it shows the current Summary line's Detail lines in a
// grid of their own, and hiding it commits, trims and rolls them up.
#include <gtest/gtest.h>

#include "app/CorvApp.h"
#include "editor/CorvScrollBar.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"
#include "framework/win/App.h"
#include "model/Hint.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "tests/app/AppTestSupport.h"
#include "tests/editor/EditorTestSupport.h"

namespace {

class DetailWindow : public JobWindowTest {
protected:
    void SetUp() override {
        JobWindowTest::SetUp();
        if (HasFatalFailure()) return;
        m_pDetail = m_pView->m_pDetailWnd.get();
        MakeThreeLines();
    }

    // Opens the Detail window of a Summary line as a right click on it does.
    void OpenFor(int nRow) { RightClick(m_pView, SummaryCellPoint(m_pView, "Itm", nRow)); }
    CTable* DetailOf(int nRow) const { return m_pDoc->m_pTable->GetRecord(nRow)->GetChild(); }
    POINT DetailCellPoint(const char* pszField, int nVisibleRow) const {
        const int nField = m_pDoc->m_pDetailStruct->FindField(pszField);
        int x = m_pView->m_nLeftMargin;
        for (int c = m_pDetail->m_pHScroll->GetScrollPos(); c < nField; ++c) x += m_pView->m_pDetWidths[c];
        return POINT{x + 3, (nVisibleRow + 1) * m_pView->m_nRowHeight + 5 + 3};
    }

    CDetailWnd* m_pDetail = nullptr;
};

}  // namespace

TEST_F(DetailWindow, OpensOnTheClickedLineWithOneBlankLineAndItsOwnControls) {
    OpenFor(1);
    ASSERT_TRUE(m_pDetail->IsWindowVisible());
    EXPECT_EQ(m_pDetail->GetWindowText(), "- - Line #2 - -");
    EXPECT_EQ(m_pDetail->m_pTable, DetailOf(1));
    EXPECT_EQ(DetailOf(1)->GetSize(), 1);
    ASSERT_NE(m_pDetail->m_pEditWnd, nullptr);
    EXPECT_EQ(m_pDetail->m_pEditWnd->GetDlgCtrlID(), 32006);
    EXPECT_EQ(m_pDetail->m_pHScroll->GetDlgCtrlID(), 32001);
    EXPECT_EQ(m_pDetail->m_pVScroll->GetDlgCtrlID(), 32003);
    EXPECT_FALSE(m_pView->m_pEditWnd->IsWindowVisible());  // the Summary editor stays hidden meanwhile

    // The close box hides the window; the blank first line stays.
    m_pDetail->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_TRUE(::IsWindow(m_pDetail->m_hWnd));
    EXPECT_FALSE(m_pDetail->IsWindowVisible());
    EXPECT_EQ(m_pDetail->m_pEditWnd, nullptr);
    EXPECT_EQ(DetailOf(1)->GetSize(), 1);
}

TEST_F(DetailWindow, HidingRollsTheDetailLinesUpIntoTheirSummaryLine) {
    m_pDoc->ApplyFreight("10", FALSE);
    PutDetail(m_pDoc, 0, 0, "cost", "10.00");
    PutDetail(m_pDoc, 0, 0, "list", "20.00");
    PutDetail(m_pDoc, 0, 0, "weight", "3");
    PutDetail(m_pDoc, 0, 1, "cost", "15.50");
    PutDetail(m_pDoc, 0, 1, "weight", "4");
    PutDetail(m_pDoc, 0, 3, "PartNumber", " ");  // blank lines at the end go
    m_pDoc->SetModifiedFlag(FALSE);

    OpenFor(0);
    ASSERT_TRUE(m_pDetail->IsWindowVisible());
    // A click on the Summary grid only closes the Detail window.
    Click(m_pView, SummaryCellPoint(m_pView, "Qty", 2));
    EXPECT_FALSE(m_pDetail->IsWindowVisible());
    EXPECT_EQ(m_pView->m_pEditWnd->m_nRow, 0);

    EXPECT_EQ(DetailOf(0)->GetSize(), 2);
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Cost"), "25.50");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "List"), "20.00");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Weight"), "7");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "FrtAmount"), CorvGetApp()->m_bRound ? "1.00" : "0.70");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Detail Net"), "");
    EXPECT_TRUE(m_pDoc->IsModified());
}

TEST_F(DetailWindow, ADetailCellIsEditedInPlaceAndCommittedWhenTheWindowHides) {
    PutDetail(m_pDoc, 2, 0, "cost", "40.00");
    PutDetail(m_pDoc, 2, 0, "list", "100.00");
    PutDetail(m_pDoc, 2, 0, "net", "50.00");
    OpenFor(2);
    CEditWnd* pEdit = m_pDetail->m_pEditWnd.get();
    ASSERT_NE(pEdit, nullptr);
    Click(m_pDetail, DetailCellPoint("mult", 0));
    ASSERT_TRUE(pEdit->IsWindowVisible());
    EXPECT_EQ(pEdit->m_nCol, m_pDoc->m_pDetailStruct->FindField("mult"));
    pEdit->SetWindowText("0.6000");
    // Down moves to the next Detail line, appending it, and commits on the way.
    pEdit->SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    PumpMessages();
    EXPECT_EQ(DetailText(m_pDoc, 2, 0, "net"), "60.00");
    EXPECT_EQ(DetailText(m_pDoc, 2, 0, "margin"), "33.33");
    EXPECT_EQ(SummaryText(m_pDoc, 2, "Net"), "");  // the Summary line waits for the roll-up
    EXPECT_EQ(DetailOf(2)->GetSize(), 2);
    EXPECT_EQ(m_pDetail->m_pEditWnd->m_nRow, 1);

    m_pView->CommitEdit();
    EXPECT_FALSE(m_pDetail->IsWindowVisible());
    EXPECT_EQ(DetailOf(2)->GetSize(), 1);  // the appended blank line went again
    EXPECT_EQ(SummaryText(m_pDoc, 2, "Detail Net"), "60.00");
    EXPECT_EQ(SummaryText(m_pDoc, 2, "Net"), "60.00");
    EXPECT_EQ(SummaryText(m_pDoc, 2, "Cost"), "40.00");
}

TEST_F(DetailWindow, FollowsTheLinesOfTheSummaryGrid) {
    OpenFor(1);
    m_pDoc->m_pTable->InsertRecord(0, m_pDoc->m_pDetailStruct);
    CHint inserted(m_pDoc->m_pTable, 0, 0);
    m_pDoc->UpdateAllViews(nullptr, kHintLineInserted, &inserted);
    EXPECT_EQ(m_pDetail->GetWindowText(), "- - Line #3 - -");
    EXPECT_TRUE(m_pDetail->IsWindowVisible());

    // Another view cuts a line above: retitled; cuts this very line: closed.
    CHint above(nullptr, 0, 0);
    m_pDoc->UpdateAllViews(nullptr, kHintLineToBeCut, &above);
    EXPECT_EQ(m_pDetail->GetWindowText(), "- - Line #2 - -");
    CHint same(nullptr, 0, m_pView->m_pEditWnd->m_nRow);
    m_pDoc->UpdateAllViews(nullptr, kHintLineToBeCut, &same);
    EXPECT_FALSE(m_pDetail->IsWindowVisible());
}

TEST_F(DetailWindow, TrailingBlankLinesStayWhileAnotherViewShowsTheSameLines) {
    PutDetail(m_pDoc, 0, 0, "cost", "1.00");
    PutDetail(m_pDoc, 0, 2, "PartNumber", "");
    OpenFor(0);
    AfxGetMainWnd()->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    PumpMessages();
    ASSERT_EQ(m_pDoc->GetViews().size(), 2u);
    auto* pOther = dynamic_cast<CCorvView*>(m_pDoc->GetViews()[1]);
    ASSERT_NE(pOther, nullptr);
    RightClick(pOther, SummaryCellPoint(pOther, "Itm", 0));
    ASSERT_TRUE(pOther->m_pDetailWnd->IsWindowVisible());
    ASSERT_TRUE(m_pDetail->IsWindowVisible());

    m_pDetail->ShowWindow(SW_HIDE);
    EXPECT_EQ(DetailOf(0)->GetSize(), 3);
    pOther->m_pDetailWnd->ShowWindow(SW_HIDE);
    EXPECT_EQ(DetailOf(0)->GetSize(), 1);
}

TEST_F(DetailWindow, CannotGrowBeyondTheViewAndItsFrame) {
    MINMAXINFO mmi = {};
    m_pDetail->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    CRect rc;
    m_pView->GetClientRect(&rc);
    EXPECT_EQ(mmi.ptMinTrackSize.x, 200);
    EXPECT_EQ(mmi.ptMinTrackSize.y, 100);
    EXPECT_EQ(mmi.ptMaxSize.x, std::max<LONG>(200, rc.Width() + 2 * GetSystemMetrics(SM_CXFRAME)));
    EXPECT_EQ(mmi.ptMaxSize.y, std::max<LONG>(100, rc.Height() + 2 * GetSystemMetrics(SM_CYFRAME)));
}

// Every job window's Detail window is of one window class: a class made per
// view is never freed, nor the copy of its icon that the system keeps.
TEST_F(DetailWindow, EveryViewsDetailWindowIsOfOneClass) {
    char szFirst[128] = "";
    ::GetClassNameA(m_pView->m_pDetailWnd->m_hWnd, szFirst, sizeof szFirst);
    HBRUSH hFirst =
        reinterpret_cast<HBRUSH>(::GetClassLongPtrA(m_pView->m_pDetailWnd->m_hWnd, GCLP_HBRBACKGROUND));
    JobWindow second = OpenNewJob();
    ASSERT_NE(second.pView, nullptr);
    char szSecond[128] = "";
    ::GetClassNameA(second.pView->m_pDetailWnd->m_hWnd, szSecond, sizeof szSecond);
    EXPECT_STREQ(szFirst, szSecond);
    // The grey of the Detail window, from a brush that no view deletes.
    EXPECT_EQ(hFirst, static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH)));
}
