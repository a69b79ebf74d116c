// What the job view and the Detail window do alike to their grids: repaint
// the strip an update names and keep the scroll range and the cell editor
// in step with the lines, and move the current cell for navigation keys.
#pragma once

#include <functional>

#include <windows.h>

class CCorvScrollBar;
class CEditWnd;
class CWnd;

struct GridContext {
    CWnd* pWnd;  // the grid window
    CCorvScrollBar* pHScroll;
    CCorvScrollBar* pVScroll;
    CEditWnd* pEdit;  // may be null
    const int* pWidths;
    int nFields;  // columns of the layout
    int nLeft;    // left margin
    int nRowHeight;
    int nVisibleRows;
    RECT rcGrid;
    std::function<void(UINT)> hScroll;  // the grid's horizontal scrolling by a scroll code
    std::function<void(UINT)> vScroll;  // and its vertical scrolling
};

// Lines appended at the end (the table now has nCount lines).
void GridLineAppended(const GridContext& g, int nCount);
// A line inserted at nRow.
void GridLineInserted(const GridContext& g, int nRow, int nCount);
// Several fields of line nRow changed.
void GridLineChanged(const GridContext& g, int nRow);
// Line nRow deleted.
void GridLineDeleted(const GridContext& g, int nRow, int nCount);
// One cell changed.
void GridCellChanged(const GridContext& g, int nCol, int nRow);
// One column changed on every line.
void GridColumnChanged(const GridContext& g, int nCol);
// Navigation keys (virtual keys 9 to 40).
void GridKeyDown(const GridContext& g, UINT nChar);
