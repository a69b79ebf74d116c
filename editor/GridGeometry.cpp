#include "editor/GridGeometry.h"

#include <algorithm>

namespace Grid {

int ColumnWidth(int nWidthInChars, int nAveCharWidth) {
    return static_cast<int>(nWidthInChars * static_cast<double>(nAveCharWidth) + 4.0);
}

int LeftMargin(int nAveCharWidth) { return 6 - static_cast<int>(nAveCharWidth * -3.0); }

int RowHeight(int nHeight, int nExternalLeading) { return nHeight + nExternalLeading + 4; }

RECT GridRect(const RECT& rcClient) {
    RECT rc = rcClient;
    rc.right = std::max<LONG>(0, rc.right - kBarSize);
    rc.bottom = std::max<LONG>(0, rc.bottom - kBarSize);
    return rc;
}

int VisibleRows(int nGridBottom, int nRowHeight) {
    if (nRowHeight <= 0) return 0;
    return std::max(0, (nGridBottom - 10) / nRowHeight - 1);
}

int ColumnLimit(const int* pWidths, int nCount, int nFirst, int nLeft, int nGridRight) {
    int nCol = std::max(nFirst, 0);
    int nSum = 0;
    while (nCol < nCount && nSum < nGridRight - nLeft) nSum += pWidths[nCol++];
    if (nLeft >= nGridRight) ++nCol;
    return std::min(nCol, nCount);
}

int WidthsBetween(const int* pWidths, int nFrom, int nTo) {
    int nSum = 0;
    for (int c = std::max(nFrom, 0); c < nTo; ++c) nSum += pWidths[c];
    return nSum;
}

BOOL HitTest(int x, int y, const int* pWidths, int nCount, int nFirstCol, int nFirstLine, int nLeft,
             int nRowHeight, int nVisibleRows, int& nCol, int& nRow, RECT& rcCell) {
    const int nRight = nLeft + WidthsBetween(pWidths, nFirstCol, nCount);
    const int nTopRow = nRowHeight + kTop;
    if (x < nLeft || x >= nRight || y < nTopRow || y >= nVisibleRows * nRowHeight + nTopRow) return FALSE;
    int nEdgeX = nLeft;
    int c = nFirstCol;
    while (nEdgeX <= x && c < nCount) nEdgeX += pWidths[c++];
    int nEdgeY = nTopRow;
    int r = nFirstLine;
    while (nEdgeY <= y && r < nFirstLine + nVisibleRows) {
        nEdgeY += nRowHeight;
        ++r;
    }
    nCol = c - 1;
    nRow = r - 1;
    rcCell.left = nEdgeX - pWidths[nCol] + 2;
    rcCell.top = nEdgeY - nRowHeight + 2;
    rcCell.right = nEdgeX - 2;
    rcCell.bottom = nEdgeY - 2;
    return TRUE;
}

RECT CellRect(const int* pWidths, int nCol, int nRow, int nFirstCol, int nFirstLine, int nLeft,
              int nRowHeight) {
    const int x = nLeft - WidthsBetween(pWidths, 0, nFirstCol) + WidthsBetween(pWidths, 0, nCol);
    const int y = (nRow - nFirstLine + 1) * nRowHeight + kTop;
    RECT rc = {x + 2, y + 2, x + pWidths[nCol] - 2, y + nRowHeight - 2};
    return rc;
}

}  // namespace Grid
