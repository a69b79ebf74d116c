#include "reports/RptBaseClass.h"

#include "framework/win/Gdi.h"
#include "framework/win/PrintInfo.h"
#include "model/CorvDoc.h"
#include "reports/PageMetrics.h"
#include "reports/PrtSection.h"
#include "reports/ReportSettings.h"

namespace {
// The bands of a page begin this far below the top offset of the page.
constexpr int kPageTopGap = 50;
// The lowest band ends at least this far above the bottom of the page.
constexpr int kBottomRoom = 100;
}  // namespace

CRptBaseClass::~CRptBaseClass() {
    DeleteBands();
    delete m_pFooter;
}

void CRptBaseClass::DeleteBands() {
    m_sections.DeleteAll();
    m_pageStarts.clear();
}

CPrtSection* CRptBaseClass::GetBand(int i) const { return static_cast<CPrtSection*>(m_sections.GetAt(i)); }

int CRptBaseClass::GetPageFirstBand(int nPage) const {
    if (nPage < 1 || nPage > GetPageCount()) return 0;
    return nPage == 1 ? 0 : static_cast<int>(m_pageStarts[nPage - 2]);
}

int CRptBaseClass::GetPageEndBand(int nPage) const {
    if (nPage < 1 || nPage > GetPageCount()) return 0;
    return static_cast<int>(m_pageStarts[nPage - 1]);
}

int CRptBaseClass::Paginate(int laterTop, int height, int& bandIndex, int& y, int& limit) {
    y += height;
    if (y >= limit) {
        ++bandIndex;
        return 0;
    }
    m_pageStarts.push_back(static_cast<unsigned int>(bandIndex));
    y = height;
    // Later pages print their bands laterTop lower than their running y.
    if (m_pageStarts.size() == 1) limit += laterTop;
    ++bandIndex;
    return 1;
}

void CRptBaseClass::PrintPage(CDC* pDC, CPrintInfo* pInfo, int laterTop, int firstTop) {
    const int nPage = static_cast<int>(pInfo->m_nCurPage);
    if (nPage < 1 || nPage > GetPageCount()) return;
    int y = -kPageTopGap - (nPage == 1 ? firstTop : laterTop);
    // Every band of a page is in the same font: its line height is asked once.
    const int nLine = LineHeight(pDC);
    for (int i = GetPageFirstBand(nPage); i < GetPageEndBand(nPage); ++i) {
        const CPrtSection* pBand = GetBand(i);
        pBand->Print(pDC, pInfo, y);
        y -= nLine * pBand->GetLineCount();
    }
}

void CRptBaseClass::BuildFooter(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc) {
    delete m_pFooter;
    m_pFooter = new CPrtSection;
    CPrtCol* pCol = m_pFooter->AddColumn();
    pCol->AddLine(pDoc->GetFooterLn1());
    pCol->AddLine(pDoc->GetFooterLn2());
    m_pFooter->LayoutCentred(pDC, pInfo);
}

void CRptBaseClass::PrintFooter(CDC* pDC, CPrintInfo* pInfo) {
    if (!m_pFooter || !GetReportSettings().m_bPrintFooter) return;
    const CRect rect = LogicalPageRect(pDC, pInfo);
    const int H = rect.bottom - rect.top;
    m_pFooter->Print(pDC, pInfo, H - m_pFooter->GetHeight(pDC));
}

void CRptBaseClass::BeginBuild(CDC* pDC, CPrintInfo* pInfo, int laterTop, int firstTop, CBandCursor& cur) {
    DeleteBands();
    const CRect rect = LogicalPageRect(pDC, pInfo);
    cur = CBandCursor();
    cur.nLimit = rect.bottom - rect.top + kBottomRoom;
    cur.y = -firstTop;
    cur.nBand = 0;
    cur.nLaterTop = laterTop;
}

int CRptBaseClass::EndBuild(CBandCursor& cur) {
    m_pageStarts.push_back(static_cast<unsigned int>(cur.nBand));
    return GetPageCount();
}

void CRptBaseClass::AppendAndPaginate(int nLine, CPrtSection* pBand, CBandCursor& cur,
                                      const CPrtSection* pRepeatHeading, int& nBegan) {
    m_sections.Add(pBand);
    if (!Paginate(cur.nLaterTop, -nLine * pBand->GetLineCount(), cur.nBand, cur.y, cur.nLimit)) return;
    nBegan = 1;
    if (!pRepeatHeading) return;
    CPrtSection* pCopy = new CPrtSection(*pRepeatHeading);
    m_sections.InsertAt(m_sections.GetSize() - 1, pCopy);
    ++cur.nBand;
    cur.y -= nLine * pCopy->GetLineCount();
}

int CRptBaseClass::AddBand(CDC* pDC, CPrtSection* pBand, CBandCursor& cur,
                           const CPrtSection* pRepeatHeading) {
    int nBegan = 0;
    bool bFirstPiece = true;
    const int nLine = LineHeight(pDC);
    for (;;) {
        // The room of a whole later page, less its repeated heading.
        const int nLaterLimit = m_pageStarts.empty() ? cur.nLimit + cur.nLaterTop : cur.nLimit;
        int nPageRoom = -nLaterLimit;
        if (pRepeatHeading) nPageRoom -= nLine * pRepeatHeading->GetLineCount();
        const int nLines = pBand->GetLineCount();
        if (nLine <= 0 || nLine * nLines <= nPageRoom || nLines <= 1) break;
        // Too tall for any page: what fits here stays, the rest continues.
        int nFitHere = (cur.y - cur.nLimit) / nLine;
        if (nFitHere < 1) nFitHere = nPageRoom / nLine;
        if (nFitHere < 1) nFitHere = 1;
        if (nFitHere >= nLines) break;
        CPrtSection* pRest = pBand->SplitAtLine(nFitHere);
        int nPieceBegan = 0;
        AppendAndPaginate(nLine, pBand, cur, pRepeatHeading, bFirstPiece ? nBegan : nPieceBegan);
        bFirstPiece = false;
        pBand = pRest;
    }
    int nLastBegan = 0;
    AppendAndPaginate(nLine, pBand, cur, pRepeatHeading, bFirstPiece ? nBegan : nLastBegan);
    return nBegan;
}
