#include "editor/CorvScrollBar.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CCorvScrollBar, CScrollBar)

namespace {
int Sum(const int* pExtents, int nFrom, int nTo) {
    int n = 0;
    for (int i = nFrom; i < nTo; ++i) n += pExtents[i];
    return n;
}

// Moves what the window shows inside rcScroll by (dx, dy) and has the rest
// of rcScroll repainted. The pixels moved are those inside rcScroll itself:
// what lies outside it (the line numbers, the header row, the bars, the
// area beyond the window) is not the grid's content and must not be pulled
// in. A move as wide or high as the rectangle keeps nothing of it, so the
// whole rectangle is repainted.
void MoveContent(CWnd* pWnd, const RECT& rcScroll, int dx, int dy) {
    if (std::abs(dx) >= rcScroll.right - rcScroll.left || std::abs(dy) >= rcScroll.bottom - rcScroll.top)
        pWnd->InvalidateRect(&rcScroll, TRUE);
    else
        pWnd->ScrollWindow(dx, dy, &rcScroll, &rcScroll);
}

}  // namespace

CCorvScrollBar::Move CCorvScrollBar::ComputeByHeights(UINT nSBCode, int nThumb, int nPos, int nMin, int nMax,
                                                      int nWidth, const int* pExtents) {
    Move m{nPos, 0};
    switch (nSBCode) {
        case SB_LINELEFT:
            if (nPos > nMin) m = {nPos - 1, pExtents[nPos - 1]};
            break;
        case SB_LINERIGHT:
            if (nPos < nMax) m = {nPos + 1, -pExtents[nPos]};
            break;
        case SB_PAGELEFT:
            if (nPos > nMin) {
                int p = nPos, nSum = 0;
                // At least one column, then while the sum stays below the width.
                do {
                    if (p < nPos && nSum + pExtents[p - 1] >= nWidth) break;
                    nSum += pExtents[--p];
                } while (p > nMin);
                m = {p, nSum};
            }
            break;
        case SB_PAGERIGHT:
            if (nPos < nMax) {
                int p = nPos, nSum = 0;
                do {
                    if (p > nPos && nSum + pExtents[p] >= nWidth) break;
                    nSum += pExtents[p++];
                } while (p < nMax);
                m = {p, -nSum};
            }
            break;
        case SB_THUMBTRACK: {
            const int nNew = std::clamp(nThumb, nMin, std::max(nMin, nMax));
            m = {nNew, nNew < nPos ? Sum(pExtents, nNew, nPos) : -Sum(pExtents, nPos, nNew)};
            break;
        }
        case SB_LEFT:
            if (nPos > nMin) m = {nMin, Sum(pExtents, nMin, nPos)};
            break;
        case SB_RIGHT:
            if (nPos < nMax) m = {nMax, -Sum(pExtents, nPos, nMax)};
            break;
        default:
            break;  // SB_THUMBPOSITION, SB_ENDSCROLL and above
    }
    return m;
}

CCorvScrollBar::Move CCorvScrollBar::ComputeByStep(UINT nSBCode, int nThumb, int nPos, int nMin, int nMax,
                                                   int nHeight, int nStep) {
    const int nPage = nStep > 0 ? std::max(1, (nHeight - 1) / nStep) : 1;
    int nNew = nPos;
    switch (nSBCode) {
        case SB_LINEUP:
            if (nPos > nMin) nNew = nPos - 1;
            break;
        case SB_LINEDOWN:
            if (nPos < nMax) nNew = nPos + 1;
            break;
        case SB_PAGEUP:
            if (nPos > nMin) nNew = std::max(nMin, nPos - nPage);
            break;
        case SB_PAGEDOWN:
            if (nPos < nMax) nNew = std::min(nMax, nPos + nPage);
            break;
        case SB_THUMBTRACK:
            nNew = std::clamp(nThumb, nMin, std::max(nMin, nMax));
            break;
        case SB_TOP:
            nNew = nMin;
            break;
        case SB_BOTTOM:
            nNew = std::max(nMin, nMax);
            break;
        default:
            break;
    }
    return {nNew, (nPos - nNew) * nStep};
}

int CCorvScrollBar::ScrollByHeights(UINT nSBCode, UINT nThumb, CWnd* pWnd, const RECT& rcScroll,
                                    const int* pExtents) {
    int nMin = 0, nMax = 0;
    GetScrollRange(&nMin, &nMax);
    const int nPos = GetScrollPos();
    const Move m = ComputeByHeights(nSBCode, static_cast<int>(nThumb), nPos, nMin, nMax,
                                    rcScroll.right - rcScroll.left, pExtents);
    if (m.nPos == nPos) return 0;
    SetScrollPos(m.nPos, TRUE);
    MoveContent(pWnd, rcScroll, m.nAmount, 0);
    return m.nAmount;
}

int CCorvScrollBar::ScrollByStep(UINT nSBCode, UINT nThumb, CWnd* pWnd, const RECT& rcScroll, int nStep) {
    int nMin = 0, nMax = 0;
    GetScrollRange(&nMin, &nMax);
    const int nPos = GetScrollPos();
    const Move m = ComputeByStep(nSBCode, static_cast<int>(nThumb), nPos, nMin, nMax,
                                 rcScroll.bottom - rcScroll.top, nStep);
    if (m.nPos == nPos) return 0;
    SetScrollPos(m.nPos, TRUE);
    MoveContent(pWnd, rcScroll, 0, m.nAmount);
    return m.nAmount;
}
