// CCorvScrollBar: the scroll bar of the line grids. It moves itself and
// scrolls its grid window, by columns of different widths (horizontal) or
// by rows of one height (vertical).
#pragma once

#include "framework/win/Controls.h"

class CCorvScrollBar : public CScrollBar {
    DECLARE_DYNAMIC(CCorvScrollBar)
public:
    // The outcome of a scroll code on a bar: the new position and the pixel
    // amount the grid moves (positive: its content moves right or down).
    struct Move {
        int nPos;
        int nAmount;
    };
    // For positions of different extents (pExtents[i] = width of position i)
    // in a scroll rectangle nWidth pixels wide.
    static Move ComputeByHeights(UINT nSBCode, int nThumb, int nPos, int nMin, int nMax, int nWidth,
                                 const int* pExtents);
    // For positions of one extent nStep in a scroll rectangle nHeight high.
    static Move ComputeByStep(UINT nSBCode, int nThumb, int nPos, int nMin, int nMax, int nHeight, int nStep);

    // Each moves the bar and, when its position changed, scrolls pWnd inside
    // rcScroll; returns the amount scrolled (0 when nothing moved).
    int ScrollByHeights(UINT nSBCode, UINT nThumb, CWnd* pWnd, const RECT& rcScroll, const int* pExtents);
    int ScrollByStep(UINT nSBCode, UINT nThumb, CWnd* pWnd, const RECT& rcScroll, int nStep);
};
