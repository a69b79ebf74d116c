// A view that prints a known number of pages with known texts and writes
// down every print overridable the loop calls, for the print and preview
// tests. Like the job view, it knows its page count only once page 1 is
// printed (until then the maximum page is a provisional 100).
#pragma once

#include <string>
#include <vector>

#include "framework/win/Gdi.h"
#include "framework/win/PrintInfo.h"
#include "framework/win/View.h"

class CPrintTestView : public CView {
    DECLARE_DYNCREATE(CPrintTestView)
public:
    // --- What the test sets ---
    UINT m_nPageCount = 3;
    UINT m_nStopAtPage = 0;      // OnPrepareDC clears m_bContinuePrinting at this page
    UINT m_nCancelAtPage = 0;    // OnPrint clicks Cancel in the printing box at this page
    BOOL m_bPostCancel = FALSE;  // that click is queued, as a user's is, not handled at once
    BOOL m_bDirect = FALSE;      // OnPreparePrinting asks for a direct print
    BOOL m_bLandscape = FALSE;   // OnBeginPrinting turns the page (ResetDC), OnEndPrinting turns it back

    // --- What the loop did ---
    std::vector<std::string> m_log;  // "prepare", "begin", "dc 2", "print 2", "end", "endpreview"
    struct Page {
        UINT nPage;
        CRect rectDraw;  // as handed to OnPrint
        BOOL bPreview;
        int nDeviceWidth, nDeviceHeight;  // HORZRES, VERTRES of the context
    };
    std::vector<Page> m_pages;
    std::vector<std::string> m_boxPages;        // the printing box's page line during each OnPrint
    static int s_nEndPrinting;                  // OnEndPrinting calls of all views, ever
    CString m_strBeginDevice;                   // the printer OnBeginPrinting got
    int m_nBeginWidth = 0, m_nBeginHeight = 0;  // its HORZRES, VERTRES after any ResetDC

    // The text printed on a page.
    static CString PageText(UINT nPage);

    void OnDraw(CDC*) override {}
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView) override;

private:
    short m_nSavedOrientation = DMORIENT_PORTRAIT;
    DECLARE_MESSAGE_MAP()
};
