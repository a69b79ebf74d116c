// The print loop of CView: preparing a print (dialog or the printer chosen
// last), running it page by page under the printing box, and starting a
// print preview.
#include <windows.h>

#include <algorithm>

#include "framework/core/Document.h"
#include "framework/core/MessageBox.h"
#include "framework/win/FileDialog.h"
#include "framework/win/Gdi.h"
#include "framework/win/PreviewView.h"
#include "framework/win/PrintDialog.h"
#include "framework/win/PrintInfo.h"
#include "framework/win/PrintingDialog.h"
#include "framework/win/ResourceString.h"
#include "framework/win/View.h"
#include "framework/win/WinMessages.h"

namespace {

void TellPrinterUnavailable(const CPrintDialog& dlg) {
    CString text;
    AfxFormatString1(text, WinMsg::kPrinterUnavailable, dlg.GetDeviceName());
    AfxMessageBox(text, MB_ICONEXCLAMATION);
}

void TellRangePastEnd(UINT nFrom, UINT nPages) {
    CString text;
    text.Format(WinMsg::kPrintPastEnd, nFrom, nPages, nPages == 1 ? "" : "s");
    AfxMessageBox(text, MB_ICONEXCLAMATION);
}

}  // namespace

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo) {
    CPrintDialog* pPD = pInfo->m_pPD;
    if (pInfo->m_bPreview || pInfo->m_bDirect) {
        if (!pPD->GetDefaults()) {
            if (pPD->m_pd.hDevNames)
                TellPrinterUnavailable(*pPD);
            else
                AfxMessageBox(WinMsg::kNoPrinter, MB_ICONEXCLAMATION);
            return FALSE;
        }
        return TRUE;
    }

    // The dialog offers the view's page range; an all-pages print keeps it.
    pPD->m_pd.Flags |= PD_RETURNDC;
    pPD->m_pd.Flags &= ~PD_RETURNIC;
    pPD->m_pd.nFromPage = static_cast<WORD>(std::max<UINT>(pInfo->GetMinPage(), pPD->m_pd.nFromPage));
    pPD->m_pd.nToPage = static_cast<WORD>(std::min<UINT>(pInfo->GetMaxPage(), pPD->m_pd.nToPage));
    if (pPD->DoModal() != IDOK) {
        if (pPD->GetLastError() == PDERR_NODEFAULTPRN) AfxMessageBox(WinMsg::kNoPrinter, MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (!pPD->GetPrinterDC()) {
        TellPrinterUnavailable(*pPD);
        return FALSE;
    }
    return TRUE;
}

void CView::OnFilePrintDirect() { RunPrint(TRUE); }

void CView::OnFilePrint() { RunPrint(FALSE); }

void CView::RunPrint(BOOL bDirect) {
    // A print from the preview's own view ends the preview first.
    if (m_pPreviewView) m_pPreviewView->ClosePreview();

    CPrintInfo printInfo;
    printInfo.m_bDirect = bDirect;
    if (!OnPreparePrinting(&printInfo)) return;

    CString strOutput;
    if (printInfo.m_pPD->PrintToFile()) {
        CFileDialog dlg(FALSE, "prn", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                        WinMsg::kPrintToFileFilter, this);
        dlg.m_ofn.lpstrTitle = WinMsg::kPrintToFileTitle;
        if (dlg.DoModal() != IDOK) return;
        strOutput = dlg.GetPathName();
    }

    CDC dcPrint;
    dcPrint.Attach(printInfo.m_pPD->DetachPrinterDC());
    if (!dcPrint.m_hDC) return;

    // The view may change the printer settings here (ResetDC), before the
    // document starts, and may learn its page count.
    OnBeginPrinting(&dcPrint, &printInfo);

    // A range that begins past the last page would print nothing but an
    // empty sheet: say so instead and start no document.
    if (printInfo.GetFromPage() > printInfo.GetMaxPage()) {
        OnEndPrinting(&dcPrint, &printInfo);
        dcPrint.DeleteDC();
        TellRangePastEnd(printInfo.GetFromPage(), printInfo.GetMaxPage());
        return;
    }

    CString strTitle = m_pDocument ? m_pDocument->GetTitle() : CString();
    DOCINFOA docInfo{};
    docInfo.cbSize = sizeof docInfo;
    docInfo.lpszDocName = strTitle.GetString();
    docInfo.lpszOutput = strOutput.IsEmpty() ? nullptr : strOutput.GetString();

    BOOL bError = FALSE;
    BOOL bCancelled = FALSE;
    {
        CPrintingDialog box(GetTopLevelParent(), strTitle, printInfo.m_pPD->GetDeviceName());
        ::SetAbortProc(dcPrint.m_hDC, CPrintingDialog::AbortProc);
        // StartDoc may run the abort procedure, which takes a Cancel already
        // queued and makes StartDoc fail: that is the user's doing, no fault.
        const BOOL bStarted = dcPrint.StartDoc(&docInfo) > 0;
        bError = !bStarted || !PrintPages(&dcPrint, &printInfo, box);
        // A Cancel clicked while the last page spooled is still queued.
        box.PumpMessages();
        bCancelled = box.IsCancelled();
        if (bStarted) {
            if (bError || bCancelled) {
                dcPrint.AbortDoc();
            } else {
                // From here the printer has the whole document; the box
                // offers no Cancel that could not work. Its output may still
                // fail to be written (a folder gone, a full disk).
                box.SetFinishing();
                bError = dcPrint.EndDoc() <= 0;
            }
        }
    }

    OnEndPrinting(&dcPrint, &printInfo);
    dcPrint.DeleteDC();
    if (bError && !bCancelled) AfxMessageBox(WinMsg::kPrintFailed, MB_ICONEXCLAMATION);
}

BOOL CView::PrintPages(CDC* pDC, CPrintInfo* pInfo, CPrintingDialog& box) {
    BOOL bFirst = TRUE;
    // The last page is read again for every page: the view may learn the
    // page count only while it prints the first one.
    for (pInfo->m_nCurPage = pInfo->GetFromPage();
         pInfo->m_nCurPage <= std::min(pInfo->GetToPage(), pInfo->GetMaxPage()); ++pInfo->m_nCurPage) {
        // The box shows the page and takes a Cancel before it is printed.
        box.SetPage(pInfo->m_nCurPage);
        box.PumpMessages();
        if (box.IsCancelled()) break;

        OnPrepareDC(pDC, pInfo);
        if (!pInfo->m_bContinuePrinting) break;

        // The first page gets the printable area in device units; later
        // pages get it converted with the mapping the previous page left on
        // the context.
        pInfo->m_rectDraw = AfxPrintableArea(pDC->m_hDC);
        if (!bFirst) pDC->DPtoLP(&pInfo->m_rectDraw);
        bFirst = FALSE;

        if (pDC->StartPage() <= 0) return FALSE;
        OnPrint(pDC, pInfo);
        if (pDC->EndPage() <= 0) return FALSE;
    }
    return TRUE;
}

void CView::OnFilePrintPreview() {
    if (m_pPreviewView) return;  // already previewing
    CFrameWnd* pFrame = GetParentFrame();
    if (!pFrame) return;

    auto* pInfo = new CPrintInfo;
    pInfo->m_bPreview = TRUE;
    if (!OnPreparePrinting(pInfo)) {
        delete pInfo;
        return;
    }
    auto* pPreview = new CPreviewView;
    // The preview owns the print information from here on, also on failure.
    if (!pPreview->StartPreview(this, pFrame, pInfo)) {
        delete pPreview;
        return;
    }
    m_pPreviewView = pPreview;
}
