// CPreviewView: the print preview of a view. It takes the place of the view
// in the view's frame (the view and the frame's other children are hidden
// and come back when the preview closes), with a toolbar: Print..., Next
// Page, Prev Page, One Page / Two Page, Zoom In, Zoom Out, Close.
//
// Each page shown is recorded afresh as an enhanced metafile made against
// the printer's context, so the view measures and lays out exactly as on
// paper (its CDC reports the printer's resolution and fonts), and the
// recording is played scaled into the window. Pages can be shown in any
// order; the page count is the print's maximum page as it stands after
// page 1 has been drawn.
//
// The view's CView::OnFilePrintPreview makes it; it ends with Close (or
// Escape), with Print... (which then prints through the view's ID_FILE_PRINT
// handler) or when the view goes. Ending calls the view's OnEndPrintPreview,
// whose base implementation calls OnEndPrinting and restores the frame.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/win/Controls.h"
#include "framework/win/Gdi.h"
#include "framework/win/Wnd.h"

class CFrameWnd;
class CPrintInfo;
class CView;

class CPreviewView : public CWnd {
    DECLARE_DYNAMIC(CPreviewView)
public:
    CPreviewView();
    ~CPreviewView() override;

    // Takes pInfo (its dialog holds the printer context) and owns it from
    // here, also when it fails. Calls the view's OnBeginPrinting, shows page 1.
    BOOL StartPreview(CView* pView, CFrameWnd* pFrame, CPrintInfo* pInfo);
    // Ends the preview as the Close button does. bRestore FALSE: the view
    // is going, the frame is not put back.
    void ClosePreview(BOOL bRestore = TRUE);

    // What is shown (for the toolbar and for tests).
    UINT GetCurrentPage() const { return m_nCurrentPage; }
    UINT GetPageCount() const { return m_nMaxPage; }
    UINT GetPagesShown() const { return m_nPages; }  // 1 or 2 side by side
    int GetZoom() const { return m_nZoom; }          // 0: whole pages, up to kMaxZoom
    // The recording of the nIndex-th page on screen (0 or 1), or null.
    HENHMETAFILE GetPageMetafile(int nIndex) const;
    CDC* GetPrinterDC() { return &m_dcPrint; }
    // Plays a recorded page into rect of hDC, the page filling the rectangle.
    static void PlayPage(HDC hDC, HENHMETAFILE hPage, const RECT& rect);
    CPrintInfo* GetPrintInfo() const { return m_pInfo; }
    // Screen rectangle of the nIndex-th page shown (scroll offset applied).
    CRect GetPageRect(int nIndex) const;

    // The toolbar's commands.
    enum {
        IDC_PREVIEW_PRINT = 0x7F00,
        IDC_PREVIEW_NEXT,
        IDC_PREVIEW_PREV,
        IDC_PREVIEW_NUMPAGE,
        IDC_PREVIEW_ZOOMIN,
        IDC_PREVIEW_ZOOMOUT,
        IDC_PREVIEW_CLOSE,
        IDC_PREVIEW_PAGEDESC,
    };
    static constexpr int kMaxZoom = 2;

    void OnPreviewPrint();
    void OnNextPage();
    void OnPrevPage();
    void OnNumPageChange();
    void OnZoomIn();
    void OnZoomOut();
    void OnPreviewClose();

    // Called by CView::OnEndPrintPreview: OnEndPrinting, the frame as it
    // was, and the window gone.
    void EndPreview();

    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void PostNcDestroy() override;

protected:
    // Records page nPage; null when the view ends the print before it.
    HENHMETAFILE RecordPage(UINT nPage);
    // Records the pages now on screen, updates the toolbar and repaints.
    void ShowPages();
    void FreePages();
    void UpdateToolbar();
    void LayoutToolbar();
    void UpdateScrollBars();
    CRect GetPageArea() const;  // client area below the toolbar
    CSize GetPageSize() const;  // size of one page on screen at the current zoom
    void ScrollBy(int nBar, int nCode, int nThumb);

    CView* m_pPrintView = nullptr;
    CFrameWnd* m_pFrame = nullptr;
    CPrintInfo* m_pInfo = nullptr;
    CDC m_dcPrint;  // the printer's context: the reference of every recording
    UINT m_nCurrentPage = 1;
    UINT m_nMaxPage = 1;
    UINT m_nPages = 1;
    int m_nZoom = 0;
    CPoint m_scroll;
    HENHMETAFILE m_hPage[2] = {nullptr, nullptr};
    BOOL m_bEnding = FALSE;      // EndPreview ran or runs
    BOOL m_bDestroying = FALSE;  // the window is being destroyed
    BOOL m_bBegun = FALSE;       // the view's OnBeginPrinting was called

    // The frame's children hidden for the preview, and the view's own id.
    std::vector<HWND> m_hidden;
    UINT m_nViewID = 0;
    BOOL m_bRestore = TRUE;
    BOOL* m_pbDeleted = nullptr;  // set when the object goes during ClosePreview
    HWND m_hFocusBefore = nullptr;

    CButton m_btn[7];
    CStatic m_pageDesc;
    CFont m_font;

    DECLARE_MESSAGE_MAP()
};
