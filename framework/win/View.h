// CView: the window that shows a document inside a frame. The document
// template creates it (dynamically, from its run-time class) when it makes
// a frame; it joins its document when its window is created and leaves it
// when destroyed. Commands reach the view first and pass on to its
// document.
#pragma once

#include "framework/win/Wnd.h"

class CDC;
class CDocument;
class CFrameWnd;
class CPrintInfo;
class CPreviewView;
class CPrintingDialog;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CView() = default;
    ~CView() override;  // leaves its document

    CDocument* GetDocument() const { return m_pDocument; }

    // Overridables.
    virtual void OnDraw(CDC* pDC) = 0;
    // Once, after the frame is made: OnUpdate(nullptr, 0, nullptr).
    virtual void OnInitialUpdate();
    // The document changed (CDocument::UpdateAllViews): by default repaints all.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
    // pInfo is null when drawing on screen, the run's print information when
    // printing or previewing; the print loop calls it before each page.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);

    // Printing. The loop (OnFilePrint, OnFilePrintPreview) calls, in order:
    // OnPreparePrinting (usually: return DoPreparePrinting(pInfo)); on the
    // printer context OnBeginPrinting; per page OnPrepareDC then OnPrint;
    // and OnEndPrinting on every path once OnBeginPrinting was called. A
    // print stops before a page past GetMaxPage, and prints nothing (it says
    // so) when the chosen range begins past it. While it prints, the
    // printing box (CPrintingDialog) shows the page and can cancel the
    // print after any page.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);  // default: OnDraw
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // The preview window closed (after OnEndPrinting); the view is shown again.
    virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);
    // Asks for the printer (print dialog, or the printer chosen last for a
    // direct print or a preview) and makes pInfo's dialog hold its context.
    // FALSE when the user cancelled or there is no printer.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);

    // Command handlers of the print loop; a view maps the commands it
    // offers to them (or to its own handlers that end by calling them).
    void OnFilePrint();         // ID_FILE_PRINT: asks for the printer
    void OnFilePrintDirect();   // ID_FILE_PRINT_DIRECT: the printer chosen last
    void OnFilePrintPreview();  // ID_FILE_PRINT_PREVIEW

    // The preview window while this view previews a print, else null.
    CPreviewView* GetPreviewView() const { return m_pPreviewView; }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PostNcDestroy() override;  // views are made with new and delete themselves

    // Handlers.
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnPaint();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);

    CDocument* m_pDocument = nullptr;

protected:
    // One print: OnPreparePrinting, then the page loop on the printer.
    void RunPrint(BOOL bDirect);
    // The pages of a started document; FALSE when the printer failed.
    BOOL PrintPages(CDC* pDC, CPrintInfo* pInfo, CPrintingDialog& box);

private:
    friend class CPreviewView;
    CPreviewView* m_pPreviewView = nullptr;

public:
    DECLARE_MESSAGE_MAP()
};
