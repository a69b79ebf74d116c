#include "reports/PageFurniture.h"

#include "framework/win/App.h"
#include "framework/win/Gdi.h"
#include "framework/win/PrintInfo.h"
#include "model/CorvDoc.h"
#include "reports/PageMetrics.h"
#include "reports/ReportMessages.h"
#include "reports/ReportSettings.h"
#include "res/reports_ids.h"

namespace {
constexpr int kTop = -50;
constexpr int kRightMargin = 40;

void MakeFont(CFont& font, const char* pszFace, int nHeight, int nWeight) {
    font.CreateFont(nHeight, 0, 0, 0, nWeight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, pszFace);
}

void TextAt(CDC* pDC, int x, int y, const CString& text) { pDC->TextOut(x, y, text, text.GetLength()); }

// The three company lines, centred; the first on the line y = -50.
void PrintCompanyLines(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, bool bShow) {
    CFont big;
    CFont small;
    MakeFont(big, "Arial Narrow", 24, FW_BOLD);
    MakeFont(small, "Arial Narrow", 14, FW_NORMAL);
    HGDIOBJ hOld = pDC->SelectObject(&big);
    const int L1 = LineHeight(pDC);
    const int W = PageWidth(pDC, pInfo);
    const CString company = pDoc->GetCompanyName();
    if (bShow) TextAt(pDC, (W - TextWidth(pDC, company)) / 2, kTop, company);
    pDC->SelectObject(&small);
    const int L2 = LineHeight(pDC);
    if (bShow) {
        const CString address = pDoc->GetAddress();
        const CString phone = pDoc->GetPhoneNo();
        TextAt(pDC, (W - TextWidth(pDC, address)) / 2, kTop - L1, address);
        TextAt(pDC, (W - TextWidth(pDC, phone)) / 2, kTop - L1 - L2, phone);
    }
    pDC->SelectObject(hOld);
}

// The logo as a DIB section. A page recorded into a metafile (the preview
// records page 1 afresh at every zoom) copies the bitmap into the
// recording; copied from a device-dependent bitmap, Wine leaves a memory DC
// and a bitmap behind for each page, while a DIB section is copied as it is.
bool LoadLogo(CBitmap& bitmap) {
    return bitmap.Attach(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDB_LOGO), IMAGE_BITMAP, 0, 0,
                                      LR_CREATEDIBSECTION)) != FALSE;
}

bool IsAltGroup(CCorvDoc* pDoc) {
    CString group = pDoc->GetMarketGroup();
    group.Trim();
    return group.CompareNoCase(RptMsg::kAltGroup) == 0;
}
}  // namespace

void PrintLogo(CDC* pDC, CPrintInfo* /*pInfo*/, CCorvDoc* pDoc) {
    if (!GetReportSettings().m_bPrintLogo || IsAltGroup(pDoc)) return;
    CBitmap bitmap;
    if (!LoadLogo(bitmap)) return;
    BITMAP bm{};
    bitmap.GetBitmap(&bm);
    if (bm.bmWidth <= 0) return;
    CDC memory;
    if (!memory.CreateCompatibleDC(nullptr)) return;
    HGDIOBJ hOld = memory.SelectObject(&bitmap);
    pDC->StretchBlt(44, -54, 40, -(40 * bm.bmHeight / bm.bmWidth), &memory, 0, 0, bm.bmWidth, bm.bmHeight,
                    SRCCOPY);
    memory.SelectObject(hOld);
}

void PrintLetterhead(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc) {
    const UINT nOldAlign = pDC->SetTextAlign(TA_LEFT | TA_TOP);
    PrintCompanyLines(pDC, pInfo, pDoc, GetReportSettings().m_bPrintHeader != FALSE);
    pDC->SetTextAlign(nOldAlign);
}

void PrintReportHeading(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, const CString& title) {
    const UINT nOldAlign = pDC->SetTextAlign(TA_LEFT | TA_TOP);
    CFont titleFont;
    MakeFont(titleFont, "Arial", 24, FW_BOLD);
    HGDIOBJ hOld = pDC->SelectObject(&titleFont);
    TextAt(pDC, 40, kTop, title);
    PrintCompanyLines(pDC, pInfo, pDoc, true);
    pDC->SelectObject(hOld);
    pDC->SetTextAlign(nOldAlign);
}

void PrintPageNumber(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* /*pDoc*/, const CString& title) {
    const UINT nOldAlign = pDC->SetTextAlign(TA_LEFT | TA_TOP);
    const int L = LineHeight(pDC);
    const int W = PageWidth(pDC, pInfo);
    CString page;
    page.Format(RptMsg::kPageOf, static_cast<int>(pInfo->m_nCurPage), static_cast<int>(pInfo->GetMaxPage()));
    TextAt(pDC, W - TextWidth(pDC, title) - kRightMargin, kTop, title);
    TextAt(pDC, W - TextWidth(pDC, page) - kRightMargin, kTop - L, page);
    pDC->SetTextAlign(nOldAlign);
}
