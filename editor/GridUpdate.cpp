#include "editor/GridUpdate.h"

#include <algorithm>

#include "editor/CorvScrollBar.h"
#include "editor/EditWnd.h"
#include "editor/GridGeometry.h"

namespace {

int Y(const GridContext& g, int k) { return Grid::RowTop(k, g.nRowHeight); }

void Repaint(const GridContext& g, int left, int top, int right, int bottom) {
    RECT rc = {left, top, right, bottom};
    RECT rcClipped;
    if (IntersectRect(&rcClipped, &rc, &g.rcGrid)) g.pWnd->InvalidateRect(&rcClipped, TRUE);
}

void RepaintRows(const GridContext& g, int kFrom, int kTo) {
    Repaint(g, g.rcGrid.left, Y(g, kFrom), g.rcGrid.right, Y(g, kTo));
}

int BarMax(CCorvScrollBar* pBar) {
    int nMin = 0, nMax = 0;
    pBar->GetScrollRange(&nMin, &nMax);
    return nMax;
}

void SetLineRange(const GridContext& g, int nCount) {
    g.pVScroll->SetScrollRange(0, std::max(nCount - 1, 0), TRUE);
}

// Scrolls right a column at a time until column nCol ends inside the grid
// or stands first: the cell the editor moves to is then wholly on screen,
// under its own heading, whatever the widths of the columns scrolled away.
void ScrollRightToShow(const GridContext& g, int nCol) {
    for (;;) {
        const int first = g.pHScroll->GetScrollPos();
        if (first >= nCol || g.nLeft + Grid::WidthsBetween(g.pWidths, first, nCol + 1) <= g.rcGrid.right)
            return;
        g.hScroll(SB_LINERIGHT);
        if (g.pHScroll->GetScrollPos() == first) return;
    }
}

}  // namespace

void GridLineAppended(const GridContext& g, int nCount) {
    const int M = BarMax(g.pVScroll);
    const int first = g.pVScroll->GetScrollPos();
    const int R = g.nVisibleRows;
    SetLineRange(g, nCount);
    if (std::min(R, M - first + 1) == R) return;  // the grid was full
    // Only the new lines' numbers appear; their cells are empty.
    Repaint(g, g.rcGrid.left, Y(g, M - first + 1), std::min<int>(g.nLeft, g.rcGrid.right),
            Y(g, std::min(R, nCount - first)));
}

void GridLineInserted(const GridContext& g, int nRow, int nCount) {
    const int M = BarMax(g.pVScroll);
    const int first = g.pVScroll->GetScrollPos();
    const int R = g.nVisibleRows;
    const int last = std::min(M, first + R - 1);
    SetLineRange(g, nCount);
    if (nRow <= last) RepaintRows(g, std::max(nRow - first, 0), std::min(R, M - first + 2));
    if (g.pEdit && g.pEdit->HasCurrentField() && g.pEdit->m_nRow >= nRow) {
        ++g.pEdit->m_nRow;
        g.pEdit->m_rcCell.OffsetRect(0, g.nRowHeight);
    }
}

void GridLineChanged(const GridContext& g, int nRow) {
    const int first = g.pVScroll->GetScrollPos();
    if (nRow >= first && nRow < first + g.nVisibleRows)
        Repaint(g, std::min<int>(g.nLeft, g.rcGrid.right), Y(g, nRow - first), g.rcGrid.right,
                Y(g, nRow - first) + g.nRowHeight);
    if (g.pEdit) g.pEdit->RefreshText(nRow, -2);
}

void GridLineDeleted(const GridContext& g, int nRow, int nCount) {
    const int M = BarMax(g.pVScroll);
    const int oldFirst = g.pVScroll->GetScrollPos();
    const int R = g.nVisibleRows;
    const int last = std::min(oldFirst + R - 1, M);
    BOOL bMoved = FALSE;
    if (oldFirst > nCount - 1) {
        g.pVScroll->SetScrollPos(std::max(nCount - 1, 0), TRUE);
        bMoved = TRUE;
    }
    SetLineRange(g, nCount);
    const int newFirst = g.pVScroll->GetScrollPos();
    if (nRow <= last) RepaintRows(g, std::max(nRow - oldFirst, 0), std::min(R, M - newFirst + 1));
    if (!g.pEdit || !g.pEdit->HasCurrentField()) return;
    const int e = g.pEdit->m_nRow;
    if (e > nRow || e == nCount) {
        g.pEdit->m_nRow = std::max(e - 1, 0);
        if (!bMoved) g.pEdit->m_rcCell.OffsetRect(0, -g.nRowHeight);
    }
    if (e == nCount) {
        g.pEdit->RefreshText(e - 1, -2);
        return;
    }
    if (e == nRow) g.pEdit->RefreshText(nRow, -2);
}

void GridCellChanged(const GridContext& g, int nCol, int nRow) {
    const int firstCol = g.pHScroll->GetScrollPos();
    const int first = g.pVScroll->GetScrollPos();
    const int limit = Grid::ColumnLimit(g.pWidths, g.nFields, firstCol, g.nLeft, g.rcGrid.right);
    if (nCol >= firstCol && nCol < limit && nRow >= first && nRow < first + g.nVisibleRows) {
        const int x = g.nLeft + Grid::WidthsBetween(g.pWidths, firstCol, nCol);
        Repaint(g, x, Y(g, nRow - first), x + g.pWidths[nCol], Y(g, nRow - first) + g.nRowHeight);
    }
    if (g.pEdit) g.pEdit->RefreshText(nRow, nCol);
}

void GridColumnChanged(const GridContext& g, int nCol) {
    const int firstCol = g.pHScroll->GetScrollPos();
    const int limit = Grid::ColumnLimit(g.pWidths, g.nFields, firstCol, g.nLeft, g.rcGrid.right);
    if (nCol >= firstCol && nCol < limit) {
        const int x = g.nLeft + Grid::WidthsBetween(g.pWidths, firstCol, nCol);
        Repaint(g, x, Y(g, 0), x + g.pWidths[nCol], Y(g, 0) + g.nVisibleRows * g.nRowHeight);
    }
    if (g.pEdit) g.pEdit->RefreshText(-2, nCol);
}

void GridKeyDown(const GridContext& g, UINT nChar) {
    if (nChar < 9 || nChar > 40) return;
    CEditWnd* pEdit = g.pEdit;
    const BOOL bEditing = pEdit && pEdit->IsWindowVisible() && pEdit->HasCurrentField();
    const BOOL bShift = GetKeyState(VK_SHIFT) < 0;
    auto moveTo = [&](int x, int y) {
        pEdit->MoveToCell(x, y, g.rcGrid, g.nVisibleRows);
    };
    const BOOL bRight = nChar == VK_RIGHT || (nChar == VK_TAB && !bShift);
    const BOOL bLeft = nChar == VK_LEFT || (nChar == VK_TAB && bShift);
    if (bRight) {
        if (!bEditing || pEdit->m_nCol == g.nFields - 1) {
            g.hScroll(SB_LINERIGHT);
            return;
        }
        ScrollRightToShow(g, pEdit->m_nCol + 1);
        const CRect rc = pEdit->GetCellRect();
        moveTo(rc.right + 2, rc.top);
    } else if (bLeft) {
        if (!bEditing || pEdit->m_nCol == 0) {
            g.hScroll(SB_LINELEFT);
            return;
        }
        if (pEdit->m_nCol == g.pHScroll->GetScrollPos()) g.hScroll(SB_LINELEFT);
        const CRect rc = pEdit->GetCellRect();
        moveTo(rc.left - 3, rc.top);
    } else if (nChar == VK_UP) {
        if (!bEditing || pEdit->m_nRow == 0) {
            g.vScroll(SB_LINEUP);
            return;
        }
        if (pEdit->m_nRow == g.pVScroll->GetScrollPos()) g.vScroll(SB_LINEUP);
        const CRect rc = pEdit->GetCellRect();
        moveTo(rc.left, rc.top - 3);
    } else if (nChar == VK_DOWN) {
        if (!bEditing) {
            g.vScroll(SB_LINEDOWN);
            return;
        }
        if (pEdit->m_nRow == g.pVScroll->GetScrollPos() + g.nVisibleRows - 1) g.vScroll(SB_LINEDOWN);
        const CRect rc = pEdit->GetCellRect();
        moveTo(rc.left, rc.bottom + 2);
    } else if (nChar == VK_PRIOR) {
        g.vScroll(SB_PAGEUP);
    } else if (nChar == VK_NEXT) {
        g.vScroll(SB_PAGEDOWN);
    } else if (nChar == VK_HOME) {
        g.vScroll(SB_TOP);
        g.hScroll(SB_LEFT);
    } else if (nChar == VK_END) {
        g.vScroll(SB_BOTTOM);
        g.hScroll(SB_RIGHT);
    }
}
