#include "editor/DetailWnd.h"

#include <algorithm>

#include "editor/CorvScrollBar.h"
#include "editor/CorvView.h"
#include "editor/EditWnd.h"
#include "editor/EditorMessages.h"
#include "editor/GridGeometry.h"
#include "editor/GridUpdate.h"
#include "editor/TableDraw.h"
#include "framework/win/App.h"
#include "framework/win/Frame.h"
#include "framework/win/MDI.h"
#include "framework/win/MessageMap.h"
#include "model/CorvDoc.h"
#include "model/Hint.h"
#include "model/Slots.h"
#include "model/Table.h"
#include "model/TableStruct.h"

IMPLEMENT_DYNAMIC(CDetailWnd, CWnd)

BEGIN_MESSAGE_MAP(CDetailWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SHOWWINDOW()
    ON_WM_SETFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_CLOSE()
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_NCPAINT, &CDetailWnd::OnNcPaint)
END_MESSAGE_MAP()

namespace {
constexpr UINT kHScrollId = 32001;
constexpr UINT kVScrollId = 32003;
constexpr UINT kEditorId = 32006;
}  // namespace

CDetailWnd::~CDetailWnd() = default;

int CDetailWnd::OnCreate(LPCREATESTRUCTA lpcs) {
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    CRect rc;
    GetClientRect(&rc);
    m_pHScroll = std::make_unique<CCorvScrollBar>();
    m_pHScroll->Create(WS_CHILD | WS_VISIBLE | SBS_HORZ,
                       CRect(0, rc.bottom - Grid::kBarSize, rc.right - Grid::kBarSize, rc.bottom), this,
                       kHScrollId);
    m_pVScroll = std::make_unique<CCorvScrollBar>();
    m_pVScroll->Create(WS_CHILD | WS_VISIBLE | SBS_VERT,
                       CRect(rc.right - Grid::kBarSize, 0, rc.right, rc.bottom - Grid::kBarSize), this,
                       kVScrollId);
    for (CCorvScrollBar* pBar : {m_pHScroll.get(), m_pVScroll.get()}) {
        pBar->SetScrollRange(0, 99, FALSE);
        pBar->SetScrollPos(0, TRUE);
    }
    return 0;
}

void CDetailWnd::SetLineCaption(int nLineNumber) {
    CString strCaption = EditorMsg::kDetailCaptionBefore;
    strCaption.AppendFormat("%d", nLineNumber);
    strCaption += EditorMsg::kDetailCaptionAfter;
    SetWindowText(strCaption);
}

void CDetailWnd::ShowForLine(CCorvView* pView, CTable* pTable, int nSummaryRow, BOOL bOpenSelect) {
    if (IsWindowVisible()) ShowWindow(SW_HIDE);
    m_pView = pView;
    m_pTable = pTable;
    if (!m_pTable) return;
    if (m_pTable->GetSize() == 0) m_pTable->AddRecord();
    SetLineCaption(nSummaryRow + 1);
    m_pHScroll->SetScrollRange(0, std::max(m_pTable->GetTableStruct()->GetSize() - 1, 0), FALSE);
    m_pHScroll->SetScrollPos(std::min(pView->m_nDetailHPos, m_pTable->GetTableStruct()->GetSize() - 1), TRUE);
    m_pVScroll->SetScrollRange(0, std::max(m_pTable->GetSize() - 1, 0), FALSE);
    m_pVScroll->SetScrollPos(0, TRUE);
    CalcVisibleRows();
    ShowWindow(SW_SHOW);
    SetFocus();
    if (bOpenSelect && m_pEditWnd) {
        m_pEditWnd->MoveToCell(pView->m_nLeftMargin, pView->m_nRowHeight + Grid::kTop, GetGridRect(),
                               m_nVisibleRows);
        m_pEditWnd->OnSelectionDialog(FALSE);
    }
}

CRect CDetailWnd::GetGridRect() const {
    CRect rc;
    GetClientRect(&rc);
    return Grid::GridRect(rc);
}

void CDetailWnd::CalcVisibleRows() {
    m_nVisibleRows = m_pView ? Grid::VisibleRows(GetGridRect().bottom, m_pView->m_nRowHeight) : 0;
}

int CDetailWnd::GetColumnLimit() const {
    if (!m_pTable || !m_pView) return 0;
    return Grid::ColumnLimit(m_pView->m_pDetWidths.data(), m_pTable->GetTableStruct()->GetSize(),
                             m_pHScroll->GetScrollPos(), m_pView->m_nLeftMargin, GetGridRect().right);
}

void CDetailWnd::OnShowWindow(BOOL bShow, UINT nStatus) {
    CWnd::OnShowWindow(bShow, nStatus);
    if (!m_pView || !m_pTable) return;
    if (bShow) {
        if (!m_pEditWnd) {
            m_pEditWnd = std::make_unique<CEditWnd>(m_pView, this, m_pTable, m_pHScroll.get(),
                                                    m_pVScroll.get(), m_pView->m_pDetWidths.data(), nullptr);
            m_pEditWnd->Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 0, 0), this, kEditorId);
            HFONT hFont = m_pView->m_pFont ? static_cast<HFONT>(*m_pView->m_pFont)
                                           : static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
            m_pEditWnd->SetFont(hFont, TRUE);
        }
        return;
    }
    // Hiding: the editor commits as it goes (the hints of its commit find
    // this window without an editor already), then the lines roll up.
    m_pEditWnd.reset();  // null before the editor is deleted
    CCorvDoc* pDoc = m_pView->GetDocument();
    int nShowing = 0;
    for (CView* pOther : pDoc->GetViews()) {
        auto* pJobView = dynamic_cast<CCorvView*>(pOther);
        if (pJobView && !pJobView->m_bInPreview && pJobView->m_pDetailWnd && pJobView->IsDetailVisible() &&
            pJobView->m_pDetailWnd->m_pTable == m_pTable)
            ++nShowing;
    }
    if (nShowing == 1) m_pTable->RemoveEmptyTail();
    RollUpIntoSummaryLine();
    m_pView->m_nDetailHPos = m_pHScroll->GetScrollPos();
}

void CDetailWnd::RollUpIntoSummaryLine() {
    CCorvDoc* pDoc = m_pView->GetDocument();
    CEditWnd* pSummaryEditor = m_pView->m_pEditWnd.get();
    if (!pSummaryEditor || !pDoc->m_pTable) return;
    CSlots slots;
    slots.RollUpDetail(pDoc->m_pTable, m_pTable, pSummaryEditor->m_nRow, pDoc);
    CStringArray arrNames, arrValues;
    slots.GetAll(arrNames, arrValues);
    pSummaryEditor->ApplyChangeList(arrNames, arrValues);
}

void CDetailWnd::OnSetFocus(CWnd* pOldWnd) {
    CWnd::OnSetFocus(pOldWnd);
    if (m_pEditWnd) m_pEditWnd->Reposition(GetGridRect(), m_nVisibleRows, 0, 0);
}

LRESULT CDetailWnd::OnNcPaint(WPARAM, LPARAM) {
    // The window takes the focus when its frame is the active one; a window
    // that holds the focus already is left as it is, so its edit stays open.
    if (m_pEditWnd && m_pView) {
        CFrameWnd* pFrame = GetParentFrame();
        auto* pMain = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
        HWND hFocus = ::GetFocus();
        if (pFrame && pMain && pMain->MDIGetActive() == pFrame && hFocus != m_hWnd &&
            !::IsChild(m_hWnd, hFocus)) {
            SetFocus();
            m_pEditWnd->Reposition(GetGridRect(), m_nVisibleRows, 0, 0);
        }
    }
    return Default();
}

void CDetailWnd::OnLButtonDown(UINT, CPoint point) {
    if (m_pEditWnd) m_pEditWnd->MoveToCell(point.x, point.y, GetGridRect(), m_nVisibleRows);
}

void CDetailWnd::OnRButtonDown(UINT, CPoint point) {
    // A right click opens the Selection dialog for the clicked line.
    if (!m_pEditWnd) return;
    m_pEditWnd->MoveToCell(point.x, point.y, GetGridRect(), m_nVisibleRows);
    if (m_pEditWnd) m_pEditWnd->OnSelectionDialog(TRUE);
}

void CDetailWnd::OnPaint() {
    CPaintDC dc(this);
    if (!m_pTable || !m_pView || !m_pView->m_pFont) return;
    DrawTable(*m_pTable, &dc, m_pView->m_pFont.get(), m_pView->GetDocument()->m_crFontColor, GetGridRect(),
              m_pView->m_pDetWidths.data(), m_pView->m_nLeftMargin, m_pView->m_nRowHeight, GetColumnLimit(),
              m_nVisibleRows, Grid::kTop, Grid::kCellMargin, Grid::kTextOffset, m_pHScroll->GetScrollPos(),
              m_pVScroll->GetScrollPos());
}

void CDetailWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if ((nType != SIZE_RESTORED && nType != SIZE_MAXIMIZED) || !m_pHScroll) return;
    // The bars follow the edges even before a line is shown: a window sized
    // while hidden would otherwise show them inside its grid.
    m_pHScroll->MoveWindow(0, cy - Grid::kBarSize, cx - Grid::kBarSize, Grid::kBarSize, TRUE);
    m_pVScroll->MoveWindow(cx - Grid::kBarSize, 0, Grid::kBarSize, cy - Grid::kBarSize, TRUE);
    if (!m_pTable) return;
    CalcVisibleRows();
    if (m_pEditWnd) m_pEditWnd->Reposition(GetGridRect(), m_nVisibleRows, 0, 0);
}

void CDetailWnd::OnGetMinMaxInfo(MINMAXINFO* pMMI) {
    CWnd::OnGetMinMaxInfo(pMMI);
    pMMI->ptMinTrackSize.x = 200;
    pMMI->ptMinTrackSize.y = 100;
    // The view, or before the first showing the parent window, which is the view.
    HWND hView = m_pView && m_pView->m_hWnd ? m_pView->m_hWnd : ::GetParent(m_hWnd);
    if (hView) {
        CRect rc;
        ::GetClientRect(hView, &rc);
        pMMI->ptMaxSize.x = std::max<LONG>(200, rc.Width() + 2 * ::GetSystemMetrics(SM_CXFRAME));
        pMMI->ptMaxSize.y = std::max<LONG>(100, rc.Height() + 2 * ::GetSystemMetrics(SM_CYFRAME));
    }
}

void CDetailWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (!m_pTable || !m_pView || !pScrollBar || pScrollBar->m_hWnd != m_pHScroll->m_hWnd) return;
    CRect rcClip = GetGridRect();
    rcClip.left = std::min<LONG>(m_pView->m_nLeftMargin, rcClip.right);
    const int dx = m_pHScroll->ScrollByHeights(nSBCode, nPos, this, rcClip, m_pView->m_pDetWidths.data());
    if (dx != 0 && m_pEditWnd) m_pEditWnd->Reposition(GetGridRect(), m_nVisibleRows, dx, 0);
}

void CDetailWnd::VScroll(UINT nSBCode, UINT nPos) {
    if (!m_pTable || !m_pView) return;
    CRect rcClip = GetGridRect();
    rcClip.top = std::min<LONG>(m_pView->m_nRowHeight + Grid::kTop, rcClip.bottom);
    rcClip.bottom = rcClip.top + m_nVisibleRows * m_pView->m_nRowHeight;
    const int dy = m_pVScroll->ScrollByStep(nSBCode, nPos, this, rcClip, m_pView->m_nRowHeight);
    if (dy != 0 && m_pEditWnd) m_pEditWnd->Reposition(GetGridRect(), m_nVisibleRows, 0, dy);
}

void CDetailWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (pScrollBar && pScrollBar->m_hWnd == m_pVScroll->m_hWnd) VScroll(nSBCode, nPos);
}

void CDetailWnd::UpdateEditorPosition() {
    if (IsWindowVisible() && m_pEditWnd) m_pEditWnd->Reposition(GetGridRect(), m_nVisibleRows, 0, 0);
}

void CDetailWnd::OnClose() { ShowWindow(SW_HIDE); }

GridContext CDetailWnd::MakeGridContext(bool bWithScrolling) {
    GridContext g{this,
                  m_pHScroll.get(),
                  m_pVScroll.get(),
                  m_pEditWnd.get(),
                  m_pView->m_pDetWidths.data(),
                  m_pTable->GetTableStruct()->GetSize(),
                  m_pView->m_nLeftMargin,
                  m_pView->m_nRowHeight,
                  m_nVisibleRows,
                  GetGridRect(),
                  nullptr,
                  nullptr};
    if (bWithScrolling) {
        g.hScroll = [this](UINT nCode) {
            OnHScroll(nCode, 0, m_pHScroll.get());
        };
        g.vScroll = [this](UINT nCode) {
            VScroll(nCode, 0);
        };
    }
    return g;
}

void CDetailWnd::OnKeyDown(UINT nChar, UINT, UINT) {
    if (!m_pTable || !m_pView) return;
    GridKeyDown(MakeGridContext(true), nChar);
}

void CDetailWnd::OnUpdate(LPARAM lHint, CObject* pHint) {
    if (!m_pTable || !m_pView) return;
    auto* pRowHint = dynamic_cast<CHint*>(pHint);
    const GridContext g = MakeGridContext(false);
    const int nCount = m_pTable->GetSize();
    switch (lHint) {
        case kHintDetailLineAppended:
            GridLineAppended(g, nCount);
            return;
        case kHintDetailLineInserted:
            if (pRowHint) GridLineInserted(g, pRowHint->m_nRow, nCount);
            return;
        case kHintDetailLinePasted:
        case kHintDetailLineChanged:
            if (pRowHint) GridLineChanged(g, pRowHint->m_nRow);
            return;
        case kHintDetailLineDeleted:
            if (pRowHint) GridLineDeleted(g, pRowHint->m_nRow, nCount);
            return;
        case kHintDetailCellChanged:
            if (pRowHint) GridCellChanged(g, pRowHint->m_nColumn, pRowHint->m_nRow);
            return;
        case kHintDetailColumnChanged:
            if (pRowHint) GridColumnChanged(g, pRowHint->m_nColumn);
            return;
        case kHintFontChanged:
            if (m_pEditWnd) m_pEditWnd->SetFont(*m_pView->m_pFont, TRUE);
            CalcVisibleRows();
            Invalidate(TRUE);
            if (m_pEditWnd && m_pEditWnd->HasCurrentField()) m_pEditWnd->ComputeCellRect();
            return;
        default:
            Invalidate(TRUE);
            return;
    }
}
