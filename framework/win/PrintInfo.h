// CPrintInfo: what one print or print preview run knows about itself. The
// view's print loop makes one per run and hands it to every print
// overridable of the view (CView::OnPreparePrinting .. OnEndPrinting).
//
// m_rectDraw is the drawing rectangle of the current page. The loop sets it
// to the printable area of the device in device units (AfxPrintableArea)
// for each page. In preview, and on the first page a print draws, the view sees it
// in device units; on later printed pages the loop converts it with the
// mapping mode the view set up for the previous page (still in force on the
// printer context when the next page begins), so the view finds it already in
// logical units there.
#pragma once

#include <windows.h>

#include "framework/core/String.h"
#include "framework/win/Types.h"

class CPrintDialog;

class CPrintInfo {
public:
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    // Page range. The loop re-reads GetMaxPage before every page, so a view
    // may set it once it knows the page count (after laying out page 1). A
    // view that sets it in OnBeginPrinting lets the loop see a chosen range
    // that lies wholly past the end before anything is printed.
    void SetMinPage(UINT nMinPage);
    void SetMaxPage(UINT nMaxPage);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    // The range the user chose in the print dialog (all pages: min..max).
    UINT GetFromPage() const;
    UINT GetToPage() const;

    CPrintDialog* m_pPD;       // the print dialog of this run (owned)
    BOOL m_bDirect;            // print without asking: to the printer chosen last
    BOOL m_bPreview;           // a print preview, not a print
    BOOL m_bContinuePrinting;  // cleared by the view to end the run before a page
    UINT m_nCurPage;           // the page being prepared or printed (1-based)
    UINT m_nNumPreviewPages;   // pages side by side in preview (1 or 2)
    CString m_strPageDesc;     // preview status format ("Page %u" / "Pages %u-%u")
    LPVOID m_lpUserData;       // free for the view
    CRect m_rectDraw;          // drawing rectangle of the current page (see above)
};

// The printable area of a printer context, in device units.
CRect AfxPrintableArea(HDC hDC);
