// The geometry of a line grid (the Summary grid and the Detail grid share
// it): the header row at y = 5, visible row k at y = (k + 1) x row height
// + 5, the line numbers left of the left margin, columns of fixed pixel
// widths from the first visible column on. Plain numbers only, so that it
// can be checked without a window.
#pragma once

#include <windows.h>

namespace Grid {

constexpr int kTop = 5;         // y of the header row
constexpr int kCellMargin = 2;  // horizontal inset of cell text
constexpr int kTextOffset = 2;  // vertical offset of text in a row
constexpr int kBarSize = 17;    // room kept at the right and bottom for the scroll bars

// The font's measures in a grid.
int ColumnWidth(int nWidthInChars, int nAveCharWidth);
int LeftMargin(int nAveCharWidth);
int RowHeight(int nHeight, int nExternalLeading);

// Top of visible row k.
inline int RowTop(int k, int nRowHeight) { return (k + 1) * nRowHeight + kTop; }

// The client rectangle less the scroll bars, never below 0.
RECT GridRect(const RECT& rcClient);
// Whole data rows below the header that fit above the grid bottom.
int VisibleRows(int nGridBottom, int nRowHeight);

// One past the last column on screen: from nFirst, columns are added while
// their widths stay below the room right of the left margin. Never more
// than nCount.
int ColumnLimit(const int* pWidths, int nCount, int nFirst, int nLeft, int nGridRight);

// Sum of the widths of columns [nFrom, nTo).
int WidthsBetween(const int* pWidths, int nFrom, int nTo);

// The cell under a point, or FALSE when the point is left of the margin,
// in the header row, right of the last column or below the visible rows.
// rcCell is the cell less 2 pixels on every side; nRow may lie beyond the
// table's last line.
BOOL HitTest(int x, int y, const int* pWidths, int nCount, int nFirstCol, int nFirstLine, int nLeft,
             int nRowHeight, int nVisibleRows, int& nCol, int& nRow, RECT& rcCell);

// The editor rectangle of a cell from the scroll positions.
RECT CellRect(const int* pWidths, int nCol, int nRow, int nFirstCol, int nFirstLine, int nLeft,
              int nRowHeight);

}  // namespace Grid
