#include "tests/print/PrintTestView.h"

#include "framework/win/MessageMap.h"
#include "framework/win/PrintDialog.h"
#include "framework/win/StdIds.h"
#include "tests/support/PrintingBox.h"

IMPLEMENT_DYNCREATE(CPrintTestView, CView)

int CPrintTestView::s_nEndPrinting = 0;

BEGIN_MESSAGE_MAP(CPrintTestView, CView)
    ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, &CView::OnFilePrintDirect)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview)
END_MESSAGE_MAP()

CString CPrintTestView::PageText(UINT nPage) {
    CString text;
    text.Format("Sample page %u of the test", nPage);
    return text;
}

BOOL CPrintTestView::OnPreparePrinting(CPrintInfo* pInfo) {
    m_log.push_back("prepare");
    if (m_bDirect) pInfo->m_bDirect = TRUE;
    return DoPreparePrinting(pInfo);
}

void CPrintTestView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
    m_log.push_back("begin");
    pInfo->SetMaxPage(100);
    m_strBeginDevice = pInfo->m_pPD->GetDeviceName();
    if (m_bLandscape) {
        if (DEVMODEA* pMode = pInfo->m_pPD->GetDevMode()) {
            m_nSavedOrientation = pMode->dmOrientation;
            pMode->dmOrientation = DMORIENT_LANDSCAPE;
            pMode->dmFields |= DM_ORIENTATION;
            pDC->ResetDC(pMode);
        }
    }
    m_nBeginWidth = pDC->GetDeviceCaps(HORZRES);
    m_nBeginHeight = pDC->GetDeviceCaps(VERTRES);
}

void CPrintTestView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    CView::OnPrepareDC(pDC, pInfo);
    if (!pInfo) return;
    m_log.push_back("dc " + std::to_string(pInfo->m_nCurPage));
    if (pInfo->m_nCurPage > pInfo->GetMaxPage() || pInfo->m_nCurPage == m_nStopAtPage)
        pInfo->m_bContinuePrinting = FALSE;
}

void CPrintTestView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    m_log.push_back("print " + std::to_string(pInfo->m_nCurPage));
    m_pages.push_back(Page{pInfo->m_nCurPage, pInfo->m_rectDraw, pInfo->m_bPreview,
                           pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES)});
    if (HWND hBox = FindPrintingBox()) {
        m_boxPages.push_back(PrintingBoxText(hBox, CPrintingDialog::IDC_PRINTING_PAGE));
        if (pInfo->m_nCurPage == m_nCancelAtPage) m_bPostCancel ? PostCancel(hBox) : ClickCancel(hBox);
    }
    // The page count is known once the first page is laid out.
    pInfo->SetMaxPage(m_nPageCount);
    pDC->SetMapMode(MM_LOENGLISH);
    CFont font;
    LOGFONTA lf{};
    lf.lfHeight = -20;
    lf.lfWeight = FW_NORMAL;
    lstrcpyA(lf.lfFaceName, "Arial");
    font.CreateFontIndirect(&lf);
    HGDIOBJ hOld = pDC->SelectObject(&font);
    pDC->TextOut(100, -100, PageText(pInfo->m_nCurPage));
    pDC->SelectObject(hOld);
}

void CPrintTestView::OnEndPrinting(CDC*, CPrintInfo* pInfo) {
    m_log.push_back("end");
    ++s_nEndPrinting;
    if (m_bLandscape) {
        if (DEVMODEA* pMode = pInfo->m_pPD->GetDevMode()) pMode->dmOrientation = m_nSavedOrientation;
    }
}

void CPrintTestView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView) {
    m_log.push_back("endpreview");
    CView::OnEndPrintPreview(pDC, pInfo, point, pView);
}
