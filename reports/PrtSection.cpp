#include "reports/PrtSection.h"

#include <algorithm>

#include "framework/win/Gdi.h"
#include "framework/win/PrintInfo.h"
#include "reports/PageMetrics.h"

CPrtSection::CPrtSection(const CPrtSection& other) : CObject(), m_nStyle(other.m_nStyle) {
    AppendCopies(other);
}

CPrtSection& CPrtSection::operator=(const CPrtSection& other) {
    if (this == &other) return *this;
    m_nStyle = other.m_nStyle;
    DeleteColumns();
    AppendCopies(other);
    return *this;
}

CPrtSection::~CPrtSection() { DeleteColumns(); }

void CPrtSection::DeleteColumns() { m_columns.DeleteAll(); }

void CPrtSection::AppendCopies(const CPrtSection& other) {
    for (int i = 0; i < other.GetColumnCount(); ++i) m_columns.Add(new CPrtCol(*other.GetColumn(i)));
}

CPrtCol* CPrtSection::AddColumn() {
    CPrtCol* pCol = new CPrtCol;
    m_columns.Add(pCol);
    return pCol;
}

int CPrtSection::GetLineCount() const {
    int n = 0;
    for (int i = 0; i < GetColumnCount(); ++i) n = std::max(n, GetColumn(i)->GetLineCount());
    return n;
}

int CPrtSection::GetHeight(CDC* pDC) const { return -(LineHeight(pDC) * GetLineCount()); }

CPrtSection* CPrtSection::SplitAtLine(int nLine) {
    if (nLine < 0 || nLine >= GetLineCount()) return nullptr;
    CPrtSection* pRest = new CPrtSection;
    pRest->m_nStyle = m_nStyle;
    for (int i = 0; i < GetColumnCount(); ++i) {
        CPrtCol* pCol = GetColumn(i);
        CPrtCol* pTail = pRest->AddColumn();
        pTail->m_x = pCol->m_x;
        pTail->m_nAlign = pCol->m_nAlign;
        pTail->m_bUnderline = pCol->m_bUnderline;
        for (int j = nLine; j < pCol->GetLineCount(); ++j) pTail->AddLine(pCol->m_lines[j]);
        if (pCol->GetLineCount() > nLine) pCol->m_lines.RemoveAt(nLine, pCol->GetLineCount() - nLine);
    }
    return pRest;
}

namespace {
// The selected font again, with underline: same face, size and weight.
HFONT CreateUnderlinedFont(CDC* pDC) {
    LOGFONTA lf{};
    if (!::GetObjectA(pDC->GetCurrentFont(), sizeof lf, &lf)) return nullptr;
    lf.lfUnderline = TRUE;
    return ::CreateFontIndirectA(&lf);
}

void PrintLines(CDC* pDC, const CPrtCol* pCol, int y, int nLineHeight) {
    for (int j = 0; j < pCol->GetLineCount(); ++j) {
        const CString& line = pCol->m_lines[j];
        pDC->TextOut(pCol->m_x, y - j * nLineHeight, line, line.GetLength());
    }
}
}  // namespace

void CPrtSection::Print(CDC* pDC, CPrintInfo* pInfo, int y) const {
    const int nLineHeight = LineHeight(pDC);
    if (m_nStyle == kRuled) {
        const int w = PageWidth(pDC, pInfo);
        const int h = -nLineHeight * GetLineCount();
        for (const int ry : {y, y - 3, y + h + 1, y + h + 4}) {
            pDC->MoveTo(kMargin, ry);
            pDC->LineTo(w - kMargin, ry);
        }
    }
    const int nColumns = GetColumnCount();
    if (nColumns == 0) return;
    UINT nOldAlign = 0;
    for (int i = 0; i < nColumns; ++i) {
        const CPrtCol* pCol = GetColumn(i);
        const UINT nPrevious = pDC->SetTextAlign(static_cast<UINT>(pCol->m_nAlign));
        if (i == 0) nOldAlign = nPrevious;
        if (!pCol->m_bUnderline) {
            PrintLines(pDC, pCol, y, nLineHeight);
            continue;
        }
        HFONT hUnderlined = CreateUnderlinedFont(pDC);
        HGDIOBJ hOld = hUnderlined ? pDC->SelectObject(hUnderlined) : nullptr;
        PrintLines(pDC, pCol, y, nLineHeight);
        if (hUnderlined) {
            pDC->SelectObject(hOld);
            ::DeleteObject(hUnderlined);
        }
    }
    pDC->SetTextAlign(nOldAlign);
}
