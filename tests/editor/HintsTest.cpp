// Update hints: each repaints only the strip of the grid it names (read
// back as the window's update region) and keeps the scroll range and the
// cell editor in step with the lines.
#include <gtest/gtest.h>

#include "editor/CorvScrollBar.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"
#include "model/Hint.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "tests/app/AppTestSupport.h"
#include "tests/editor/EditorTestSupport.h"

namespace {

class Hints : public JobWindowTest {
protected:
    void SetUp() override {
        JobWindowTest::SetUp();
        if (HasFatalFailure()) return;
        H = m_pView->m_nRowHeight;
        L = m_pView->m_nLeftMargin;
        m_rcGrid = m_pView->GetClientRectLessBars();
        ASSERT_GE(m_pView->m_nVisibleRows, 5);
    }

    int Y(int k) const { return (k + 1) * H + 5; }
    int VBarMax() const {
        int nMin = 0, nMax = 0;
        m_pView->m_pVScroll->GetScrollRange(&nMin, &nMax);
        return nMax;
    }
    void SetLines(int n) {
        while (m_pDoc->m_pTable->GetSize() < n) m_pDoc->m_pTable->AddRecord(m_pDoc->m_pDetailStruct);
        m_pView->m_pVScroll->SetScrollRange(0, n - 1);
    }
    RECT Send(long nCode, int nColumn, int nRow) {
        CHint hint(m_pDoc->m_pTable, nColumn, nRow);
        return InvalidatedBy(m_pView, [&] { m_pDoc->UpdateAllViews(nullptr, nCode, &hint); });
    }
    static bool IsEmpty(const RECT& rc) { return rc.right <= rc.left || rc.bottom <= rc.top; }

    int H = 0;
    int L = 0;
    CRect m_rcGrid;
};

}  // namespace

TEST_F(Hints, ACellChangeRepaintsThatCellOnly) {
    SetLines(3);
    const int nQty = m_pDoc->m_pSummaryStruct->FindField("Qty");
    const RECT rc = Send(kHintCellChanged, nQty, 2);
    const int x = L + m_pView->m_pSumWidths[0];
    EXPECT_EQ(CRect(rc), CRect(x, Y(2), x + m_pView->m_pSumWidths[nQty], Y(2) + H));
    // A cell scrolled out of sight repaints nothing.
    m_pView->m_pVScroll->SetScrollPos(1);
    EXPECT_TRUE(IsEmpty(Send(kHintCellChanged, nQty, 0)));
}

TEST_F(Hints, ALineChangeRepaintsItsRowAndReloadsTheEditor) {
    SetLines(3);
    Click(m_pView, SummaryCellPoint(m_pView, "Operator", 1));
    PutSummary(m_pDoc, 1, "Operator", "Jones");
    const RECT rc = Send(kHintLineChanged, -1, 1);
    EXPECT_EQ(CRect(rc), CRect(L, Y(1), m_rcGrid.right, Y(1) + H));
    EXPECT_EQ(m_pEdit->GetWindowText(), "Jones");
}

TEST_F(Hints, AppendedLinesRepaintOnlyTheirNumbersAndNothingInAFullGrid) {
    SetLines(2);
    m_pDoc->m_pTable->AddRecord(m_pDoc->m_pDetailStruct);
    m_pDoc->m_pTable->AddRecord(m_pDoc->m_pDetailStruct);
    RECT rc = InvalidatedBy(m_pView, [&] { m_pDoc->UpdateAllViews(nullptr, kHintLineAppended, nullptr); });
    EXPECT_EQ(CRect(rc), CRect(0, Y(2), L, Y(4)));
    EXPECT_EQ(VBarMax(), 3);

    const int R = m_pView->m_nVisibleRows;
    SetLines(R + 2);
    m_pDoc->m_pTable->AddRecord(m_pDoc->m_pDetailStruct);
    rc = InvalidatedBy(m_pView, [&] { m_pDoc->UpdateAllViews(nullptr, kHintLineAppended, nullptr); });
    EXPECT_TRUE(IsEmpty(rc));
    EXPECT_EQ(VBarMax(), R + 2);
}

TEST_F(Hints, AnInsertedLineRepaintsFromItsRowAndTheEditorMovesWithItsLine) {
    SetLines(4);
    Click(m_pView, SummaryCellPoint(m_pView, "Itm", 2));
    const CRect rcCell = m_pEdit->GetCellRect();
    m_pDoc->m_pTable->InsertRecord(1, m_pDoc->m_pDetailStruct);
    const RECT rc = Send(kHintLineInserted, 0, 1);
    EXPECT_EQ(CRect(rc), CRect(0, Y(1), m_rcGrid.right, Y(5)));  // down to the new last line
    EXPECT_EQ(VBarMax(), 4);
    EXPECT_EQ(m_pEdit->m_nRow, 3);
    CRect rcMoved = rcCell;
    rcMoved.OffsetRect(0, H);
    EXPECT_EQ(m_pEdit->GetCellRect(), rcMoved);
}

TEST_F(Hints, DeletingTheEditorsLastLineMovesItUpOntoTheLineAbove) {
    SetLines(3);
    PutSummary(m_pDoc, 1, "Operator", "Above");
    Click(m_pView, SummaryCellPoint(m_pView, "Operator", 2));
    const CRect rcCell = m_pEdit->GetCellRect();
    m_pDoc->m_pTable->RemoveRecord(2);
    const RECT rc = Send(kHintLineDeleted, 0, 2);
    EXPECT_EQ(CRect(rc), CRect(0, Y(2), m_rcGrid.right, Y(3)));
    EXPECT_EQ(VBarMax(), 1);
    EXPECT_EQ(m_pEdit->m_nRow, 1);
    EXPECT_EQ(m_pEdit->GetWindowText(), "Above");
    CRect rcMoved = rcCell;
    rcMoved.OffsetRect(0, -H);
    EXPECT_EQ(m_pEdit->GetCellRect(), rcMoved);
}

TEST_F(Hints, DeletingWhileScrolledPastTheNewEndScrollsBackToTheLastLine) {
    SetLines(6);
    m_pView->m_pVScroll->SetScrollPos(5);
    m_pDoc->m_pTable->RemoveRecord(5);
    Send(kHintLineDeleted, 0, 5);
    EXPECT_EQ(m_pView->m_pVScroll->GetScrollPos(), 4);
    EXPECT_EQ(VBarMax(), 4);
}

TEST_F(Hints, AColumnChangeRepaintsThatColumnOverTheVisibleRows) {
    SetLines(2);
    const int nQty = m_pDoc->m_pSummaryStruct->FindField("Qty");
    const RECT rc = Send(kHintColumnChanged, nQty, -1);
    const int x = L + m_pView->m_pSumWidths[0];
    EXPECT_EQ(CRect(rc), CRect(x, Y(0), x + m_pView->m_pSumWidths[nQty], Y(0) + m_pView->m_nVisibleRows * H));
}

TEST_F(Hints, AnUnknownCodeRepaintsEverythingAndAnotherDetailTableNothing) {
    const RECT rc = Send(99, -1, -1);
    CRect rcClient;
    m_pView->GetClientRect(&rcClient);
    EXPECT_EQ(CRect(rc), rcClient);

    CTable other(m_pDoc->m_pDetailStruct);
    CHint hint(&other, 0, 0);
    const RECT rcNone =
        InvalidatedBy(m_pView, [&] { m_pDoc->UpdateAllViews(nullptr, kHintDetailLineChanged, &hint); });
    EXPECT_TRUE(IsEmpty(rcNone));
}
