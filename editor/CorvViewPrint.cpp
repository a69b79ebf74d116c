// The job view's print and preview commands and its print overridables:
// each command records the report number and runs the print loop; the
// report object is made when a print begins (on the first page of a
// preview), kept while the pages print and deleted when the print or
// preview ends.
#include "editor/CorvView.h"
#include "editor/DlgPrtSelect.h"
#include "framework/win/Gdi.h"
#include "framework/win/PrintDialog.h"
#include "framework/win/PrintInfo.h"
#include "model/CorvDoc.h"
#include "reports/ReportCatalog.h"
#include "reports/RptBaseClass.h"
#include "workspace/Workspace.h"

CRptBaseClass** CCorvView::ReportSlot(int nReport) {
    switch (nReport) {
        case kRptQuote:
        case kRptScope:
        case kRptScopePriced:
            return &m_pQuoteOne;
        case kRptDistribution:
            return &m_pQuoteTwo;
        case kRptParts:
            return &m_pQuoteThree;
        case kRptPurchaseOrder:
            return &m_pPurchOrd;
        case kRptProposalSummary:
        case kRptProposalSummaryPlant:
            return &m_pPropSum1;
        case kRptSellPrice:
            return &m_pPropSum2;
        case kRptICDS:
            return &m_pICDS;
        case kRptCommission:
            return &m_pComm;
        default:
            return nullptr;
    }
}

void CCorvView::DeletePrintObjects() {
    delete m_pReportFont;
    m_pReportFont = nullptr;
    delete m_pFooterFont;
    m_pFooterFont = nullptr;
    for (CRptBaseClass** pp : {&m_pQuoteOne, &m_pQuoteTwo, &m_pQuoteThree, &m_pPurchOrd, &m_pPropSum1,
                               &m_pPropSum2, &m_pICDS, &m_pComm}) {
        delete *pp;
        *pp = nullptr;
    }
}

// --- Commands ---

void CCorvView::OnFilePrint() {
    CommitEdit();
    OnDeleteBottomBlanks();
    CView::OnFilePrint();
}

void CCorvView::OnFilePrintPreview() {
    CommitEdit();
    OnDeleteBottomBlanks();
    m_bInPreview = TRUE;
    CView::OnFilePrintPreview();
    // No preview came up (no printer, or its set-up failed): the window must
    // not stay in the state that refuses to close and skips edit commits.
    m_bInPreview = GetPreviewView() != nullptr;
}

void CCorvView::PrintReport(int nReport) {
    m_nReport = nReport;
    OnFilePrint();
}

void CCorvView::PreviewReport(int nReport) {
    m_nReport = nReport;
    OnFilePrintPreview();
}

void CCorvView::OnPrintQuote() { PrintReport(kRptQuote); }
void CCorvView::OnPrintScope() { PrintReport(kRptScope); }
void CCorvView::OnPrintScopePriced() { PrintReport(kRptScopePriced); }
void CCorvView::OnPrintDistribution() { PrintReport(kRptDistribution); }
void CCorvView::OnPrintParts() { PrintReport(kRptParts); }
void CCorvView::OnPrintItemCost() { PrintReport(kRptICDS); }
void CCorvView::OnPrintProposalSummary() { PrintReport(kRptProposalSummary); }
void CCorvView::OnPrintProposalSummaryByPlant() { PrintReport(kRptProposalSummaryPlant); }
void CCorvView::OnPrintProjectSellPrice() { PrintReport(kRptSellPrice); }
void CCorvView::OnPrintCommission() { PrintReport(kRptCommission); }
void CCorvView::OnPrintPurchaseOrder() { PrintReport(kRptPurchaseOrder); }
void CCorvView::OnPreviewQuote() { PreviewReport(kRptQuote); }
void CCorvView::OnPreviewScope() { PreviewReport(kRptScope); }
void CCorvView::OnPreviewScopePriced() { PreviewReport(kRptScopePriced); }
void CCorvView::OnPreviewDistribution() { PreviewReport(kRptDistribution); }
void CCorvView::OnPreviewParts() { PreviewReport(kRptParts); }
void CCorvView::OnPreviewItemCost() { PreviewReport(kRptICDS); }
void CCorvView::OnPreviewProposalSummary() { PreviewReport(kRptProposalSummary); }
void CCorvView::OnPreviewProposalSummaryByPlant() { PreviewReport(kRptProposalSummaryPlant); }
void CCorvView::OnPreviewProjectSellPrice() { PreviewReport(kRptSellPrice); }
void CCorvView::OnPreviewCommission() { PreviewReport(kRptCommission); }
void CCorvView::OnPreviewPurchaseOrder() { PreviewReport(kRptPurchaseOrder); }

void CCorvView::OnPrintSelect() {
    CCorvSettings& settings = CorvGetWorkspace().Settings();
    CDlgPrtSelect dlg;
    int* const ticks[kReportCount] = {&dlg.m_bQuote,
                                      &dlg.m_bScope,
                                      &dlg.m_bScopePriced,
                                      &dlg.m_bDistribution,
                                      &dlg.m_bParts,
                                      &dlg.m_bICDS,
                                      &dlg.m_bProposalSummary,
                                      &dlg.m_bProposalSummaryPlant,
                                      &dlg.m_bProjectSellPrice,
                                      &dlg.m_bCommission,
                                      &dlg.m_bPurchaseOrder};
    // The dialog's boxes, the print defaults and the batch share one order.
    for (int i = 0; i < kReportCount; ++i) *ticks[i] = settings.m_nPrintDefault[i];
    if (dlg.DoModal() != IDOK) return;
    for (int i = 0; i < kReportCount; ++i) settings.SetPrintDefault(i, *ticks[i]);

    // Only the first report of the batch asks for the printer.
    const int nReportBefore = m_nReport;
    for (int i = 0; i < kReportCount; ++i) {
        if (!*ticks[i]) continue;
        PrintReport(kSelectOrder[i]);
        m_bNoPrintDialog = TRUE;
    }
    m_bNoPrintDialog = FALSE;
    m_nReport = nReportBefore;
}

// --- The print loop's overridables ---

BOOL CCorvView::OnPreparePrinting(CPrintInfo* pInfo) {
    if (m_bNoPrintDialog && !pInfo->m_bDirect) pInfo->m_bDirect = TRUE;
    return DoPreparePrinting(pInfo);
}

namespace {
int MeasuredLineHeight(CDC* pDC, CFont* pFont) {
    HGDIOBJ hOld = pDC->SelectObject(pFont);
    TEXTMETRICA tm{};
    pDC->GetTextMetrics(&tm);
    pDC->SelectObject(hOld);
    return tm.tmHeight + tm.tmExternalLeading;
}

CFont* NewPrintFont(const char* pszFace, int nHeight, BYTE nFamily) {
    CFont* pFont = new CFont;
    pFont->CreateFont(nHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, nFamily, pszFace);
    return pFont;
}
}  // namespace

void CCorvView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
    pInfo->SetMaxPage(100);
    if (!IsValidReport(m_nReport)) return;
    if (IsLetter(m_nReport)) {
        if (m_pFont) m_nLaterTop = 3 * MeasuredLineHeight(pDC, m_pFont.get());
        delete m_pFooterFont;
        m_pFooterFont = NewPrintFont("Courier New", -12, FF_MODERN);
    } else {
        delete m_pReportFont;
        m_pReportFont = NewPrintFont("Arial", ReportFontHeight(m_nReport), FF_SWISS);
        m_nLaterTop = 3 * MeasuredLineHeight(pDC, m_pReportFont);
        // The report's own orientation; the user's comes back at the end.
        if (LPDEVMODEA pDevMode = pInfo->m_pPD ? pInfo->m_pPD->GetDevMode() : nullptr) {
            m_nSavedOrientation = pDevMode->dmOrientation;
            pDevMode->dmOrientation = ReportOrientation(m_nReport);
            pDevMode->dmFields |= DM_ORIENTATION;
            if (pDC->GetSafeHdc()) ::ResetDCA(pDC->GetSafeHdc(), pDevMode);
        }
    }
    // A print lays its report out now, on the page it will print on, so
    // that the loop knows the page count before it decides which pages of a
    // chosen range exist. A preview lays it out on its first page.
    if (pInfo->m_bPreview) return;
    pInfo->m_rectDraw = AfxPrintableArea(pDC->GetSafeHdc());
    BuildReportIfNone(pDC, pInfo, PrintJob());
}

CReportPrintJob CCorvView::PrintJob() {
    CReportPrintJob job;
    job.nReport = m_nReport;
    job.pDoc = GetDocument();
    job.ppReport = ReportSlot(m_nReport);
    job.pBodyFont = IsLetter(m_nReport) ? m_pFont.get() : m_pReportFont;
    job.pFooterFont = m_pFooterFont;
    job.nLaterTop = m_nLaterTop;
    return job;
}

void CCorvView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    if (ReportSlot(m_nReport)) PrintReportPage(pDC, pInfo, PrintJob());
}

void CCorvView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* pInfo) {
    if (CRptBaseClass** ppReport = ReportSlot(m_nReport)) {
        delete *ppReport;
        *ppReport = nullptr;
    }
    if (IsLetter(m_nReport)) {
        delete m_pFooterFont;
        m_pFooterFont = nullptr;
        return;
    }
    delete m_pReportFont;
    m_pReportFont = nullptr;
    if (!IsValidReport(m_nReport)) return;
    if (LPDEVMODEA pDevMode = pInfo->m_pPD ? pInfo->m_pPD->GetDevMode() : nullptr)
        pDevMode->dmOrientation = m_nSavedOrientation;
}

void CCorvView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    CView::OnPrepareDC(pDC, pInfo);
    if (!pInfo || pInfo->m_bPreview) return;
    if (pInfo->m_nCurPage > pInfo->GetMaxPage() || pInfo->m_nCurPage > pInfo->GetToPage())
        pInfo->m_bContinuePrinting = FALSE;
}

void CCorvView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView) {
    m_bInPreview = FALSE;
    CView::OnEndPrintPreview(pDC, pInfo, point, pView);
}
