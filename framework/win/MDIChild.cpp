#include "framework/core/Document.h"
#include "framework/win/App.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/MDI.h"
#include "framework/win/MessageMap.h"
#include "framework/win/ResourceString.h"
#include "framework/win/View.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_MDIACTIVATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    cs.style |= WS_CHILD;
    return CFrameWnd::PreCreateWindow(cs);
}

BOOL CMDIChildWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
    if (!pParentWnd) {
        CWnd* pMain = AfxGetMainWnd();
        if (pMain && pMain->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
            pParentWnd = static_cast<CMDIFrameWnd*>(pMain);
    }
    if (!pParentWnd || !pParentWnd->m_hWndMDIClient) return FALSE;
    m_strTitle = lpszWindowName;
    const bool bDefault = rect.left == rectDefault.left && rect.top == rectDefault.top &&
                          rect.right == rectDefault.right && rect.bottom == rectDefault.bottom;
    // The MDI client makes the window (WS_EX_MDICHILD); the context travels
    // in its MDICREATESTRUCT.
    return CreateEx(
        WS_EX_MDICHILD, lpszClassName, lpszWindowName, dwStyle, bDefault ? CW_USEDEFAULT : rect.left,
        bDefault ? CW_USEDEFAULT : rect.top, bDefault ? CW_USEDEFAULT : rect.right - rect.left,
        bDefault ? CW_USEDEFAULT : rect.bottom - rect.top, pParentWnd->m_hWndMDIClient, nullptr, pContext);
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext) {
    m_nIDHelp = nIDResource;
    HICON hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
    if (pContext && pContext->m_pNewDocTemplate) {
        m_hMenuShared = pContext->m_pNewDocTemplate->m_hMenuShared;
        m_hAccelShared = pContext->m_pNewDocTemplate->m_hAccelTable;
    }
    CMDIFrameWnd* pFrame = nullptr;
    if (pParentWnd && pParentWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        pFrame = static_cast<CMDIFrameWnd*>(pParentWnd);
    // Made hidden: ActivateFrame shows it once its view is ready.
    return Create(lpszClass, nullptr, (dwDefaultStyle | WS_CHILD) & ~WS_VISIBLE, rectDefault, pFrame,
                  pContext);
}

CCreateContext* CMDIChildWnd::GetCreateContext(LPCREATESTRUCTA lpcs) {
    auto* pMCS = static_cast<MDICREATESTRUCTA*>(lpcs->lpCreateParams);
    return pMCS ? reinterpret_cast<CCreateContext*>(pMCS->lParam) : nullptr;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
    HWND hClient = ::GetParent(m_hWnd);
    CWnd* pFrame = CWnd::FromHandlePermanent(hClient ? ::GetParent(hClient) : nullptr);
    return pFrame && pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(pFrame)
                                                                   : nullptr;
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
    // The client lists its children in the Window menu only when one is
    // activated or destroyed: a new title must reach the menu at once.
    if (message == WM_SETTEXT) ::SendMessageA(::GetParent(m_hWnd), WM_MDIREFRESHMENU, 0, 0);
    return lResult;
}

void CMDIChildWnd::MDIDestroy() {
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIActivate() {
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIMaximize() {
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIRestore() {
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CMDIChildWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    CMDIFrameWnd* pFrame = GetMDIFrame();
    // The client takes it off the Window menu and activates the next child.
    MDIDestroy();
    if (pFrame && !pFrame->MDIGetActive()) {
        pFrame->MDISetMenu(pFrame->m_hMenuDefault, nullptr);
        pFrame->OnUpdateFrameTitle(TRUE);
    }
    return TRUE;
}

void CMDIChildWnd::ActivateFrame(int nCmdShow) {
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (nCmdShow == -1) {
        // A new child follows the active one: maximized when it is.
        BOOL bMaximized = FALSE;
        CMDIChildWnd* pActive = pFrame ? pFrame->MDIGetActive(&bMaximized) : nullptr;
        if (!IsWindowVisible())
            nCmdShow = pActive && pActive != this && bMaximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1) ShowWindow(nCmdShow);
    MDIActivate();
    OnUpdateFrameMenu(TRUE, this);
    if (pFrame) pFrame->OnUpdateFrameTitle(TRUE);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    if (GetStyle() & FWS_ADDTOTITLE) {
        CDocument* pDoc = GetActiveDocument();
        if (bAddToTitle && pDoc) {
            CString text = pDoc->GetTitle();
            if (m_nWindow > 0) text.AppendFormat(":%d", m_nWindow);
            if (GetWindowText() != text) SetWindowText(text);
        }
    }
    if (CMDIFrameWnd* pFrame = GetMDIFrame()) pFrame->OnUpdateFrameTitle(TRUE);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg) {
    // The template's accelerators, sent to the main frame that routes them here.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelShared) {
        CMDIFrameWnd* pFrame = GetMDIFrame();
        if (pFrame && ::TranslateAcceleratorA(pFrame->m_hWnd, m_hAccelShared, pMsg)) return TRUE;
    }
    return FALSE;
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd) {
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (!pFrame) return;
    if (bActivate && m_hMenuShared)
        pFrame->MDISetMenu(m_hMenuShared, CMDIFrameWnd::GetWindowMenuPopup(m_hMenuShared));
    else if (!bActivate && !pActivateWnd)
        pFrame->MDISetMenu(pFrame->m_hMenuDefault, nullptr);
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd*) {
    Default();
    OnUpdateFrameMenu(bActivate, pActivateWnd);
    if (bActivate && GetActiveView()) GetActiveView()->OnActivateView(TRUE, GetActiveView(), GetActiveView());
    if (CMDIFrameWnd* pFrame = GetMDIFrame()) pFrame->OnUpdateFrameTitle(TRUE);
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);  // the MDI machinery tracks maximizing
    if (nType != SIZE_MINIMIZED) RecalcLayout();
    // The client maximizes a child after activating it (Ctrl+F4 on a
    // maximized one, for one) and then adds its name to the frame's title
    // itself: the frame's own part must then no longer name it.
    if (nType == SIZE_MAXIMIZED || nType == SIZE_RESTORED)
        if (CMDIFrameWnd* pFrame = GetMDIFrame()) pFrame->OnUpdateFrameTitle(TRUE);
}
