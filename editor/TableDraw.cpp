// Drawing a line table as a ruled grid. Every heading, number, cell and
// ruling line is tested against the clip box first, so that a partial
// repaint costs only what it touches.
#include "editor/TableDraw.h"

#include <algorithm>

#include "framework/win/Gdi.h"
#include "model/Field.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"

namespace {
bool Meets(const RECT& rc, const RECT& rcClip) {
    RECT rcCommon;
    return IntersectRect(&rcCommon, &rc, &rcClip) != 0;
}

void DrawClipped(CDC* pDC, int x, int y, const RECT& rcCell, const CString& strText) {
    pDC->ExtTextOut(x, y, ETO_CLIPPED, &rcCell, strText, static_cast<UINT>(strText.GetLength()), nullptr);
}
}  // namespace

void DrawTable(const CTable& table, CDC* pDC, CFont* pFont, COLORREF crText, RECT rcArea, const int* pWidths,
               int nXStart, int nRowHeight, int nColEnd, int nVisibleRows, int nTop, int nCellMargin,
               int nTextOffset, int nFirstCol, int nFirstLine) {
    const CTableStruct* pLayout = table.GetTableStruct();
    if (!pLayout) return;
    nColEnd = std::min(nColEnd, pLayout->GetSize());

    HGDIOBJ hOldFont = pDC->SelectObject(pFont);
    const COLORREF crOldText = pDC->SetTextColor(crText);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    CPen pen;
    pen.CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    HGDIOBJ hOldPen = pDC->SelectObject(&pen);
    const UINT nOldAlign = pDC->SetTextAlign(TA_LEFT);
    RECT rcClip = {};
    pDC->GetClipBox(&rcClip);

    const int nRuleBottom = nTop + (nVisibleRows + 1) * nRowHeight;
    auto verticalRule = [&](int x) {
        if (x >= rcClip.left && x <= rcClip.right) {
            pDC->MoveTo(x, nTop + nRowHeight);
            pDC->LineTo(x, nRuleBottom);
        }
    };

    // Headings and the rules between the columns.
    pDC->SetTextAlign(TA_CENTER);
    int x0 = nXStart;
    for (int c = nFirstCol; c < nColEnd; ++c) {
        const int x1 = x0 + pWidths[c];
        RECT rcHead = {x0, nTop, x1, nTop + nRowHeight};
        if (Meets(rcHead, rcClip)) {
            RECT rcCut;
            IntersectRect(&rcCut, &rcHead, &rcArea);
            DrawClipped(pDC, (x0 + x1) / 2, nTop + nTextOffset, rcCut, pLayout->GetFieldName(c));
        }
        verticalRule(x0);
        x0 = x1;
    }
    const int nRight = x0;
    verticalRule(nRight);

    // Row rules, below the heading and below every row slot.
    const int nRuleRight = std::min<int>(nRight, rcArea.right);
    for (int k = 1; k <= nVisibleRows + 1; ++k) {
        const int y = nTop + k * nRowHeight;
        if (y >= rcClip.top && y <= rcClip.bottom) {
            pDC->MoveTo(nXStart, y);
            pDC->LineTo(nRuleRight, y);
        }
    }

    // Line numbers and cells of the lines shown. A number of more digits
    // than the strip holds keeps its last digits (it is right-aligned).
    const int nLines = std::max(0, std::min(table.GetSize() - nFirstLine, nVisibleRows));
    for (int i = 0; i < nLines; ++i) {
        const int nRowTop = nTop + (i + 1) * nRowHeight;
        const int nRowBottom = nRowTop + nRowHeight;
        RECT rcNumber = {nCellMargin, nRowTop, nXStart, nRowBottom};
        if (Meets(rcNumber, rcClip)) {
            CString strNumber;
            strNumber.Format("%d", nFirstLine + i + 1);
            pDC->SetTextAlign(TA_RIGHT);
            DrawClipped(pDC, nXStart - 2 * nCellMargin, nRowTop + nTextOffset, rcNumber, strNumber);
        }
        const CRecord* pRecord = table.GetRecord(nFirstLine + i);
        int xc0 = nXStart;
        for (int c = nFirstCol; c < nColEnd; ++c) {
            const int xc1 = xc0 + pWidths[c];
            RECT rcCell = {xc0 + nCellMargin, nRowTop, xc1 - nCellMargin, nRowBottom};
            if (Meets(rcCell, rcClip)) {
                const bool bNumber = pLayout->GetFieldType(c) == 'N';
                pDC->SetTextAlign(bNumber ? TA_RIGHT : TA_LEFT);
                DrawClipped(pDC, bNumber ? xc1 - nCellMargin : xc0 + nCellMargin, nRowTop + nTextOffset,
                            rcCell, pRecord->GetField(c)->GetText());
            }
            xc0 = xc1;
        }
    }

    pDC->SetTextAlign(nOldAlign);
    pDC->SelectObject(hOldPen);
    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(crOldText);
    pDC->SelectObject(hOldFont);
}
