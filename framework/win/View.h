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
    virtual void OnPrepareDC(CDC* pDC);

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

    DECLARE_MESSAGE_MAP()
};
