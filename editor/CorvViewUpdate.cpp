// The job view's share of the update hints: each code repaints only the
// strip of the Summary grid it names, keeps the scroll range and the cell
// editor with their lines, and keeps the Detail window's caption and
// visibility in step; the Detail-grid codes go on to the Detail window.
#include "editor/CorvScrollBar.h"
#include "editor/CorvView.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"
#include "editor/GridUpdate.h"
#include "model/CorvDoc.h"
#include "model/Hint.h"
#include "model/Table.h"

namespace {
GridContext SummaryGrid(CCorvView& v) {
    return GridContext{&v,
                       v.m_pHScroll.get(),
                       v.m_pVScroll.get(),
                       v.m_pEditWnd.get(),
                       v.m_pSumWidths.data(),
                       static_cast<int>(v.m_pSumWidths.size()),
                       v.m_nLeftMargin,
                       v.m_nRowHeight,
                       v.m_nVisibleRows,
                       v.GetClientRectLessBars(),
                       nullptr,
                       nullptr};
}
}  // namespace

void CCorvView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
    CCorvDoc* pDoc = GetDocument();
    if (!m_pEditWnd || !pDoc || !pDoc->m_pTable || lHint < kHintLineAppended ||
        lHint > kHintDetailColumnChanged) {
        CView::OnUpdate(pSender, lHint, pHint);
        return;
    }
    auto* pRowHint = dynamic_cast<CHint*>(pHint);
    const GridContext g = SummaryGrid(*this);
    const int nCount = pDoc->m_pTable->GetSize();
    const int e = m_pEditWnd->m_nRow;
    switch (lHint) {
        case kHintLineAppended:
            GridLineAppended(g, nCount);
            break;
        case kHintLineInserted:
            if (!pRowHint) break;
            if (IsDetailVisible() && e >= pRowHint->m_nRow) m_pDetailWnd->SetLineCaption(e + 2);
            GridLineInserted(g, pRowHint->m_nRow, nCount);
            break;
        case kHintLinePasted:
            if (!pRowHint) break;
            if (e == pRowHint->m_nRow) HideDetail();
            GridLineChanged(g, pRowHint->m_nRow);
            break;
        case kHintLineChanged:
            if (pRowHint) GridLineChanged(g, pRowHint->m_nRow);
            break;
        case kHintLineDeleted:
            if (pRowHint) GridLineDeleted(g, pRowHint->m_nRow, nCount);
            break;
        case kHintCellChanged:
            if (pRowHint) GridCellChanged(g, pRowHint->m_nColumn, pRowHint->m_nRow);
            break;
        case kHintFontChanged:
            UpdateFontChanged();
            break;
        case kHintLineToBeCut:
            if (!pRowHint || !IsDetailVisible()) break;
            if (e == pRowHint->m_nRow)
                HideDetail();
            else if (e > pRowHint->m_nRow)
                m_pDetailWnd->SetLineCaption(e);
            break;
        case kHintColumnChanged:
            if (pRowHint) GridColumnChanged(g, pRowHint->m_nColumn);
            break;
        default:
            ForwardToDetail(lHint, pHint);
            break;  // the even codes
    }
}

void CCorvView::ForwardToDetail(LPARAM lHint, CObject* pHint) {
    auto* pRowHint = dynamic_cast<CHint*>(pHint);
    if (IsDetailVisible() && pRowHint && pRowHint->m_pTable == m_pDetailWnd->m_pTable)
        m_pDetailWnd->OnUpdate(lHint, pHint);
}

void CCorvView::UpdateFontChanged() {
    RebuildFont();
    m_pEditWnd->SetFont(*m_pFont, TRUE);
    CalcMetrics();
    CalcVisibleRows();
    Invalidate(TRUE);
    if (m_pEditWnd->HasCurrentField()) m_pEditWnd->ComputeCellRect();
    if (IsDetailVisible()) m_pDetailWnd->OnUpdate(kHintFontChanged, nullptr);
}
