#include "reports/PageMetrics.h"

#include <vector>

#include "framework/win/Gdi.h"
#include "framework/win/PrintInfo.h"

CRect LogicalPageRect(CDC* pDC, const CPrintInfo* pInfo) {
    CRect rect = pInfo->m_rectDraw;
    if (rect.bottom > rect.top) ::DPtoLP(pDC->GetSafeHdc(), reinterpret_cast<LPPOINT>(&rect), 2);
    return rect;
}

int PageWidth(CDC* pDC, const CPrintInfo* pInfo) {
    const CRect rect = LogicalPageRect(pDC, pInfo);
    return rect.right - rect.left;
}

int LineHeight(CDC* pDC) {
    TEXTMETRICA tm{};
    pDC->GetTextMetrics(&tm);
    return tm.tmHeight + tm.tmExternalLeading;
}

int AveCharWidth(CDC* pDC) {
    TEXTMETRICA tm{};
    pDC->GetTextMetrics(&tm);
    return tm.tmAveCharWidth;
}

int TextWidth(CDC* pDC, const char* psz, int nLength) {
    if (nLength <= 0) return 0;
    return pDC->GetTextExtent(psz, nLength).cx;
}

int TextWidth(CDC* pDC, const CString& text) { return TextWidth(pDC, text.GetString(), text.GetLength()); }

int FittingLength(CDC* pDC, const char* psz, int nLength, int nMaxWidth) {
    if (nLength <= 0) return 0;
    std::vector<int> extents(static_cast<size_t>(nLength));
    // A context that cannot measure measures nothing wide, as TextWidth.
    if (!pDC->GetTextExtentExPoint(psz, nLength, extents.data())) return nLength;
    int nFit = 0;
    while (nFit < nLength && extents[static_cast<size_t>(nFit)] <= nMaxWidth) ++nFit;
    return nFit;
}
