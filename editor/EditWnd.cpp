#include "editor/EditWnd.h"

#include "editor/CorvScrollBar.h"
#include "editor/CorvView.h"
#include "editor/DetailWnd.h"
#include "editor/GridGeometry.h"
#include "framework/win/MessageMap.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/Hint.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "workspace/Workspace.h"

IMPLEMENT_DYNAMIC(CEditWnd, CEdit)

BEGIN_MESSAGE_MAP(CEditWnd, CEdit)
    ON_WM_SHOWWINDOW()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_RBUTTONDOWN()
    ON_WM_CONTEXTMENU()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CEditWnd::CEditWnd(CCorvView* pView, CDetailWnd* pDetailWnd, CTable* pTable, CCorvScrollBar* pHScroll,
                   CCorvScrollBar* pVScroll, int* pWidths, CTableStruct* pChildLayout)
    : m_pView(pView),
      m_pDetailWnd(pDetailWnd),
      m_pTable(pTable),
      m_pHScroll(pHScroll),
      m_pVScroll(pVScroll),
      m_pWidths(pWidths),
      m_pChildLayout(pChildLayout) {}

CEditWnd::~CEditWnd() { HideIfVisible(); }

CCorvDoc* CEditWnd::GetDoc() const { return m_pView ? m_pView->GetDocument() : nullptr; }

CWnd* CEditWnd::GetGridWnd() const {
    if (m_pDetailWnd) return m_pDetailWnd;
    return m_pView;
}

BOOL CEditWnd::IsCurrentRowValid() const {
    return m_pTable && m_nCol >= 0 && m_nRow >= 0 && m_nRow < m_pTable->GetSize() &&
           m_nCol < m_pTable->GetTableStruct()->GetSize();
}

void CEditWnd::HideIfVisible() {
    if (m_hWnd && IsWindowVisible()) ShowWindow(SW_HIDE);
}

BOOL CEditWnd::IsCurrentLineEmpty() const {
    if (!IsCurrentRowValid()) return FALSE;
    return m_pTable->GetRecord(m_nRow)->IsEmpty();
}

char CEditWnd::GetFieldType() const {
    if (m_nCol < 0 || !m_pTable || m_nCol >= m_pTable->GetTableStruct()->GetSize()) return 'S';
    return m_pTable->GetTableStruct()->GetFieldType(m_nCol);
}

void CEditWnd::MoveToCell(int x, int y, const RECT& rcGrid, int nVisibleRows) {
    if (!m_pTable || !m_pView) return;
    if (IsWindowVisible()) {
        ShowWindow(SW_HIDE);
        GetGridWnd()->SetFocus();
    }
    CTableStruct* pLayout = m_pTable->GetTableStruct();
    const int nFields = pLayout->GetSize();
    RECT rcCell;
    int nCol = -1, nRow = -1;
    const BOOL bHit =
        Grid::HitTest(x, y, m_pWidths, nFields, m_pHScroll->GetScrollPos(), m_pVScroll->GetScrollPos(),
                      m_pView->m_nLeftMargin, m_pView->m_nRowHeight, nVisibleRows, nCol, nRow, rcCell);
    if (!bHit) {
        m_nCol = m_nRow = -1;
        m_rcCell.SetRectEmpty();
        HideIfVisible();
    } else {
        m_nCol = nCol;
        m_nRow = nRow;
        m_rcCell = rcCell;
        if (m_pTable->GetSize() <= m_nRow) {
            while (m_pTable->GetSize() <= m_nRow) m_pTable->AddRecord(m_pChildLayout);
            CCorvDoc* pDoc = GetDoc();
            pDoc->SetModifiedFlag(TRUE);
            if (m_pDetailWnd) {
                CHint hint(m_pTable, -1, -1);
                pDoc->UpdateAllViews(nullptr, kHintDetailLineAppended, &hint);
            } else {
                pDoc->UpdateAllViews(nullptr, kHintLineAppended, nullptr);
            }
        }
        CField* pField = m_pTable->GetRecord(m_nRow)->GetField(m_nCol);
        BOOL bReadOnly = pLayout->GetFieldFlag(m_nCol) != 0;
        if (!m_pDetailWnd) {
            // Prices that follow the Detail lines are not typed while the line has Detail prices.
            const int nDetailNet = pLayout->FindField("Detail Net");
            const CString strName = pLayout->GetFieldName(m_nCol);
            if (nDetailNet >= 0 && !m_pTable->GetRecord(m_nRow)->GetField(nDetailNet)->GetText().IsEmpty() &&
                (strName == "Net" || strName == "Mult" || strName == "Margin" || strName == "Final"))
                bReadOnly = TRUE;
        }
        SetReadOnly(bReadOnly);
        LimitText(pLayout->GetFieldLength(m_nCol));
        SetWindowText(pField->GetText());
        Reposition(rcGrid, nVisibleRows, 0, 0);
    }
    if (CorvGetWorkspace().Settings().m_bAutoSelFld && HasCurrentField() && !(GetStyle() & ES_READONLY))
        SetSel(0, -1);
}

void CEditWnd::Reposition(const RECT& rcGrid, int nVisibleRows, int dx, int dy) {
    if (!HasCurrentField() || !m_pTable) return;
    if (dx != 0 || dy != 0) {
        InvalidateCell();
        m_rcCell.OffsetRect(dx, dy);
    }
    const int nFirstCol = m_pHScroll->GetScrollPos();
    const int nFirstLine = m_pVScroll->GetScrollPos();
    const int nLimit = Grid::ColumnLimit(m_pWidths, m_pTable->GetTableStruct()->GetSize(), nFirstCol,
                                         m_pView->m_nLeftMargin, rcGrid.right);
    CRect rcShown;
    if (m_nCol >= nFirstCol && m_nCol < nLimit && m_nRow >= nFirstLine &&
        m_nRow < nFirstLine + nVisibleRows && rcShown.IntersectRect(m_rcCell, rcGrid)) {
        MoveWindow(&m_rcCell, TRUE);
        if (!IsWindowVisible() && (m_pDetailWnd || !m_pView->IsDetailVisible())) {
            ShowWindow(SW_SHOW);
            SetFocus();
        }
    } else {
        HideIfVisible();
    }
}

void CEditWnd::ComputeCellRect() {
    if (!HasCurrentField()) return;
    m_rcCell = Grid::CellRect(m_pWidths, m_nCol, m_nRow, m_pHScroll->GetScrollPos(),
                              m_pVScroll->GetScrollPos(), m_pView->m_nLeftMargin, m_pView->m_nRowHeight);
}

void CEditWnd::RefreshText(int nRow, int nCol) {
    if (!IsCurrentRowValid()) return;
    if ((nRow == -2 || nRow == m_nRow) && (nCol == -2 || nCol == m_nCol))
        SetWindowText(m_pTable->GetRecord(m_nRow)->GetField(m_nCol)->GetText());
}

void CEditWnd::InvalidateCell() {
    CRect rc = m_rcCell;
    rc.InflateRect(1, 1);
    CWnd* pGrid = GetGridWnd();
    if (pGrid && pGrid->m_hWnd) pGrid->InvalidateRect(&rc, TRUE);
}

void CEditWnd::ForwardKey(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_pDetailWnd)
        m_pDetailWnd->OnKeyDown(nChar, nRepCnt, nFlags);
    else
        m_pView->OnKeyDown(nChar, nRepCnt, nFlags);
}

void CEditWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    switch (nChar) {
        case VK_TAB:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_END:
        case VK_HOME:
        case VK_UP:
        case VK_DOWN:
            ForwardKey(nChar, nRepCnt, nFlags);
            return;
        case VK_LEFT:
        case VK_RIGHT:
            if (!m_pView->m_bArrowControl) {
                ForwardKey(nChar, nRepCnt, nFlags);
                return;
            }
            break;
        default:
            break;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CEditWnd::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    const char chType = GetFieldType();
    BOOL bPass = FALSE;
    BOOL bCommit = FALSE;
    switch (chType) {
        case 'D':
            bPass = (nChar >= 47 && nChar <= 57) || nChar == '-' || nChar == 8 || nChar == 27;
            bCommit = nChar == 13;
            break;
        case 'N':
            bPass = (nChar >= '0' && nChar <= '9') || nChar == '.' || nChar == '+' || nChar == '-' ||
                    nChar == 8 || nChar == 27;
            bCommit = nChar == 13;
            break;
        case 'S':
        case 'T':
        case 'W':
            bPass = nChar != 9;
            break;
        default:
            break;
    }
    if (bCommit) {
        // Losing the focus commits; the grid's focus handler shows the editor again.
        if (CWnd* pParent = GetParent()) pParent->SetFocus();
        SetFocus();
    } else if (bPass) {
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
}

void CEditWnd::OnKillFocus(CWnd* pNewWnd) {
    CEdit::OnKillFocus(pNewWnd);
    HideIfVisible();
}

void CEditWnd::OnShowWindow(BOOL bShow, UINT nStatus) {
    CEdit::OnShowWindow(bShow, nStatus);
    if (!bShow && nStatus == 0) {
        CommitField();
        InvalidateCell();
    }
}

void CEditWnd::OnLButtonDown(UINT nFlags, CPoint point) {
    if (!m_pDetailWnd) {
        CEdit::OnLButtonDown(nFlags, point);
        return;
    }
    if (!HasCurrentField() || (GetStyle() & ES_READONLY)) return;
    // Typing the text up to the click again puts the caret there.
    const CString strOld = GetWindowText();
    const int nAt = LOWORD(SendMessage(EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y)));
    const int nUpTo = nAt < strOld.GetLength() ? nAt : strOld.GetLength();
    SetWindowText(strOld.Mid(nUpTo));
    for (int i = 0; i < nUpTo; ++i) SendMessage(WM_CHAR, static_cast<unsigned char>(strOld[i]), 0);
}

void CEditWnd::OnRButtonDown(UINT nFlags, CPoint point) {
    if (!m_pDetailWnd && GetFieldType() == 'W')
        EditLineWords();
    else if (!m_pDetailWnd)
        m_pView->OnViewDetail();
    if (m_pDetailWnd) OnSelectionDialog(TRUE);
    CEdit::OnRButtonDown(nFlags, point);
}

void CEditWnd::OnContextMenu(CWnd* pWnd, CPoint point) {
    // A right click here has already opened the words sheet, the Detail
    // window or the selection; the edit box's own menu popping up after it
    // closed would only be in the way. The menu key still shows it.
    if (point.x == -1 && point.y == -1) CEdit::OnContextMenu(pWnd, point);
}
