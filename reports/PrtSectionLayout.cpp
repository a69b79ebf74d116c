// The general layouts of a band: wrapped paragraphs, the heading block,
// total lines and the terms block.
#include <algorithm>

#include "framework/win/Gdi.h"
#include "model/Indents.h"
#include "reports/BandText.h"
#include "reports/KnownFits.h"
#include "reports/PageMetrics.h"
#include "reports/PrtSection.h"

namespace {
int WidestLine(CDC* pDC, const CPrtCol* pCol) {
    int w = 0;
    for (int i = 0; i < pCol->GetLineCount(); ++i) w = std::max(w, TextWidth(pDC, pCol->m_lines[i]));
    return w;
}

// Where the label of a total line ends: where its template puts it, or a
// gap before an amount too wide to leave it there.
int LabelEnd(CDC* pDC, int nTemplateEnd, int W, const CPrtCol* pAmount) {
    return std::min(nTemplateEnd, W - CPrtSection::kMargin - WidestLine(pDC, pAmount) - AveCharWidth(pDC));
}
}  // namespace

void CPrtSection::WrapColumn(CDC* pDC, CPrtCol* pCol, int width, BOOL bTrimLeading) {
    WrapLines(pCol->m_lines, width, bTrimLeading, [pDC](const char* psz, int nLength, int nMax) {
        return KnownFittingLength(pDC, psz, nLength, nMax);
    });
}

void CPrtSection::LayoutHeadingBlock(CDC* pDC, CPrintInfo* pInfo) {
    m_nStyle = kRuled;
    if (GetColumnCount() != 4) return;
    const int W = PageWidth(pDC, pInfo);
    const int gap = AveCharWidth(pDC);
    int w[4];
    for (int i = 0; i < 4; ++i) w[i] = WidestLine(pDC, GetColumn(i));
    const int free = W - 2 * kMargin - 2 * gap - (w[0] + w[1] + w[2] + w[3]);
    const int third = free > 0 ? free / 3 : 0;
    GetColumn(0)->m_x = kMargin + third;
    GetColumn(1)->m_x = kMargin + third + w[0] + gap;
    GetColumn(2)->m_nAlign = CPrtCol::kRight;
    GetColumn(2)->m_x = W - kMargin - third - w[3] - gap;
    GetColumn(3)->m_x = W - kMargin - third - w[3];
}

void CPrtSection::LayoutCentred(CDC* pDC, CPrintInfo* pInfo) {
    if (GetColumnCount() != 1) return;
    const int P = PageWidth(pDC, pInfo) - 2 * kMargin;
    CPrtCol* pCol = GetColumn(0);
    WrapColumn(pDC, pCol, P, TRUE);
    pCol->m_nAlign = CPrtCol::kCenter;
    pCol->m_x = kMargin + P / 2;
}

void CPrtSection::LayoutIndented(CDC* pDC, CPrintInfo* pInfo, int leftPercent, int rightPercent,
                                 BOOL bTrimLeading) {
    if (GetColumnCount() != 1) return;
    // The indents come from job files unchecked: out of range, or adding
    // up to the whole width, they would leave the words no room to wrap in
    // and run them off the page (or overflow the arithmetic).
    Indents::Keep(leftPercent, rightPercent);
    const int P = PageWidth(pDC, pInfo) - 2 * kMargin;
    CPrtCol* pCol = GetColumn(0);
    WrapColumn(pDC, pCol, ((100 - leftPercent - rightPercent) * P) / 100, bTrimLeading);
    pCol->m_x = kMargin + (P * leftPercent) / 100;
}

void CPrtSection::LayoutTotalLine(CDC* pDC, CPrintInfo* pInfo) {
    if (GetColumnCount() != 2) return;
    const int W = PageWidth(pDC, pInfo);
    const int a = TextWidth(pDC, "9,999,999.99");
    GetColumn(0)->m_nAlign = CPrtCol::kRight;
    GetColumn(0)->m_x = LabelEnd(pDC, W - kMargin - a - 3 * AveCharWidth(pDC), W, GetColumn(1));
    GetColumn(1)->m_nAlign = CPrtCol::kRight;
    GetColumn(1)->m_x = W - kMargin;
}

void CPrtSection::LayoutDollarTotalLine(CDC* pDC, CPrintInfo* pInfo) {
    if (GetColumnCount() != 2) return;
    const int W = PageWidth(pDC, pInfo);
    const int a = TextWidth(pDC, "$ 99,999,999.99");
    GetColumn(0)->m_nAlign = CPrtCol::kRight;
    GetColumn(0)->m_x = LabelEnd(pDC, W - kMargin - a - AveCharWidth(pDC), W, GetColumn(1));
    GetColumn(1)->m_nAlign = CPrtCol::kRight;
    GetColumn(1)->m_x = W - kMargin;
}

void CPrtSection::LayoutTermsBlock(CDC* pDC, CPrintInfo* pInfo) {
    if (GetColumnCount() != 3) return;
    const int P = PageWidth(pDC, pInfo) - 2 * kMargin;
    const int gap = AveCharWidth(pDC);
    CPrtCol* pLabels = GetColumn(0);
    CPrtCol* pColons = GetColumn(1);
    CPrtCol* pValues = GetColumn(2);
    const int labelWidth = std::min(WidestLine(pDC, pLabels), P / 2);
    pLabels->m_x = kMargin;
    pColons->m_x = kMargin + labelWidth + gap;
    const int valueWidth = P - 3 * gap - labelWidth;
    // Each label and colon stays on the first line of its value: blank
    // lines go below them for every further line the value wraps to.
    const int nValues = pValues->GetLineCount();
    int k = 0;
    for (int i = 0; i < nValues; ++i) {
        CPrtCol one;
        one.AddLine(pValues->m_lines[i]);
        WrapColumn(pDC, &one, valueWidth, TRUE);
        const int m = one.GetLineCount();
        for (int extra = 1; extra < m; ++extra) {
            pLabels->InsertLine(i + k + extra, "");
            pColons->InsertLine(i + k + extra, "");
        }
        if (m > 1) k += m - 1;
    }
    WrapColumn(pDC, pValues, valueWidth, TRUE);
    pValues->m_x = kMargin + labelWidth + 3 * gap;
}
