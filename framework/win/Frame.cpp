#include "framework/win/Frame.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>

#include "framework/core/Document.h"
#include "framework/win/App.h"
#include "framework/win/CmdUIKinds.h"
#include "framework/win/ControlBar.h"
#include "framework/win/MessageMap.h"
#include "framework/win/PrivateMessages.h"
#include "framework/win/ResourceString.h"
#include "framework/win/ToolBar.h"
#include "framework/win/View.h"
#include "framework/win/WinMessages.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_WM_EXITMENULOOP()
    ON_WM_DROPFILES()
    ON_WM_QUERYENDSESSION()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_SETMESSAGESTRING, &CFrameWnd::OnSetMessageString)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, &CFrameWnd::OnBarCheck)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, &CFrameWnd::OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, &CFrameWnd::OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, &CFrameWnd::OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, &CFrameWnd::OnUpdateKeyIndicator)
    ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOA, 0, 0xFFFF, &CFrameWnd::OnToolTipText)
    ON_NOTIFY_EX_RANGE(TBN_HOTITEMCHANGE, 0, 0xFFFF, &CFrameWnd::OnToolBarHotItem)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

namespace {

// The status-bar prompt of a command: its string resource up to '\n'.
CString PromptOf(UINT nID) {
    CString full, prompt;
    if (nID && AfxLoadString(nID, full)) AfxExtractSubString(prompt, full, 0);
    return prompt;
}

}  // namespace

CFrameWnd::~CFrameWnd() {
    for (CControlBar* pBar : m_listControlBars) pBar->m_pDockFrame = nullptr;
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext) {
    HMENU hMenu = lpszMenuName ? ::LoadMenuA(AfxGetResourceHandle(), lpszMenuName) : nullptr;
    m_strTitle = lpszWindowName;
    const bool bDefault = rect.left == rectDefault.left && rect.top == rectDefault.top &&
                          rect.right == rectDefault.right && rect.bottom == rectDefault.bottom;
    int x = bDefault ? CW_USEDEFAULT : rect.left;
    int y = bDefault ? CW_USEDEFAULT : rect.top;
    int cx = bDefault ? CW_USEDEFAULT : rect.right - rect.left;
    int cy = bDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy, AfxHwndOf(pParentWnd),
                  hMenu, pContext)) {
        if (hMenu) ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
    m_nIDHelp = nIDResource;
    HINSTANCE hInst = AfxGetResourceHandle();
    CString strFull;
    AfxLoadString(nIDResource, strFull);
    AfxExtractSubString(m_strTitle, strFull, 0);
    HICON hIcon = ::LoadIconA(hInst, MAKEINTRESOURCEA(nIDResource));
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
    LPCSTR lpszMenu = ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDResource), reinterpret_cast<LPCSTR>(RT_MENU))
                          ? MAKEINTRESOURCEA(nIDResource)
                          : nullptr;
    if (!Create(lpszClass, m_strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext))
        return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    m_hAccelTable = ::LoadAcceleratorsA(hInst, MAKEINTRESOURCEA(nIDResource));
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
                                           ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));
    return TRUE;
}

CCreateContext* CFrameWnd::GetCreateContext(LPCREATESTRUCTA lpcs) {
    return static_cast<CCreateContext*>(lpcs->lpCreateParams);
}

int CFrameWnd::OnCreate(LPCREATESTRUCTA lpcs) {
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    if (!OnCreateClient(lpcs, GetCreateContext(lpcs))) return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCTA, CCreateContext* pContext) {
    return !pContext || !pContext->m_pNewViewClass || CreateView(pContext) != nullptr;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    auto* pView = dynamic_cast<CWnd*>(pObject);
    if (!pView) {
        delete pObject;
        return nullptr;
    }
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this, nID,
                       pContext)) {
        delete pView;  // a view that never got its window is still ours
        return nullptr;
    }
    return pView;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify) {
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld) return;
    m_pViewActive = pViewNew;
    if (!bNotify) return;
    if (pViewOld) pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    if (pViewNew) pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument() {
    CFrameWnd* pFrame = GetActiveFrame();
    CView* pView = pFrame ? pFrame->GetActiveView() : nullptr;
    return pView ? pView->GetDocument() : nullptr;
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
    if (nCmdShow == -1) {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1) ShowWindow(nCmdShow);
    BringWindowToTop();
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) {
    CView* pView = GetActiveView();
    if (!pView) {
        CWnd* pPane = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST));
        if (pPane && pPane->IsKindOf(RUNTIME_CLASS(CView))) {
            pView = static_cast<CView*>(pPane);
            SetActiveView(pView, FALSE);
        }
    }
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    if (bMakeVisible) {
        ActivateFrame();
        if (pView) pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc) pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    if (!(GetStyle() & FWS_ADDTOTITLE)) return;
    CDocument* pDoc = GetActiveDocument();
    UpdateFrameTitleForDocument(bAddToTitle && pDoc ? pDoc->GetTitle().GetString() : nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR lpszDocName) {
    CString text;
    if (!lpszDocName) {
        text = m_strTitle;
    } else {
        CString doc = lpszDocName;
        if (m_nWindow > 0) doc.AppendFormat(":%d", m_nWindow);
        if (GetStyle() & FWS_PREFIXTITLE)
            text = m_strTitle.IsEmpty() ? doc : doc + " - " + m_strTitle;
        else
            text = m_strTitle.IsEmpty() ? doc : m_strTitle + " - " + doc;
    }
    if (GetWindowText() != text) SetWindowText(text);
}

// --- Bars and layout ---

void CFrameWnd::AddControlBar(CControlBar* pBar) {
    if (std::find(m_listControlBars.begin(), m_listControlBars.end(), pBar) == m_listControlBars.end())
        m_listControlBars.push_back(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar) {
    m_listControlBars.erase(std::remove(m_listControlBars.begin(), m_listControlBars.end(), pBar),
                            m_listControlBars.end());
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) const {
    for (CControlBar* pBar : m_listControlBars)
        if (pBar->m_hWnd && static_cast<UINT>(pBar->GetDlgCtrlID()) == nID) return pBar;
    return nullptr;
}

void CFrameWnd::DockControlBar(CControlBar*, UINT) { RecalcLayout(); }

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL) {
    pBar->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
    RecalcLayout();
}

void CFrameWnd::RecalcLayout(BOOL) {
    if (!m_hWnd) return;
    CRect rc;
    GetClientRect(&rc);
    // Top bars from the top down, bottom bars from the bottom up; the pane
    // (view or MDI client) takes what is left.
    for (CControlBar* pBar : m_listControlBars) {
        if (!pBar->m_hWnd || !(pBar->GetStyle() & WS_VISIBLE)) continue;
        int h = pBar->CalcHeight(rc.Width());
        if (pBar->GetBarStyle() & CBRS_ALIGN_BOTTOM) {
            pBar->MoveWindow(rc.left, rc.bottom - h, rc.Width(), h);
            rc.bottom -= h;
        } else {
            pBar->MoveWindow(rc.left, rc.top, rc.Width(), h);
            rc.top += h;
        }
    }
    if (HWND hPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST))
        ::MoveWindow(hPane, rc.left, rc.top, std::max(0L, rc.right - rc.left),
                     std::max(0L, rc.bottom - rc.top), TRUE);
}

void CFrameWnd::UpdateControlBars(BOOL bDisableIfNoHandler) {
    std::vector<CControlBar*> bars = m_listControlBars;
    for (CControlBar* pBar : bars)
        if (pBar->m_hWnd && pBar->IsWindowVisible()) pBar->OnUpdateCmdUI(this, bDisableIfNoHandler);
}

CWnd* CFrameWnd::GetMessageBar() const {
    // The status bar of the top-level frame serves its child frames too.
    const CFrameWnd* pFrame = this;
    while (CFrameWnd* pParent = pFrame->GetParentFrame()) pFrame = pParent;
    return pFrame->GetControlBar(AFX_IDW_STATUS_BAR);
}

void CFrameWnd::SetMessageText(LPCSTR lpszText) {
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID) { SendMessage(WM_SETMESSAGESTRING, nID); }

// --- Routing ---

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    // The active view (and through it the document) first.
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    // A child frame leaves the application to its top-level frame.
    if (GetStyle() & WS_CHILD) return FALSE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable)
        return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
    return FALSE;
}

// --- Handlers ---

void CFrameWnd::OnDestroy() {
    // The frame's own menu goes with it, whichever menu is shown now.
    if (m_hMenuDefault && ::GetMenu(m_hWnd) != m_hMenuDefault) ::SetMenu(m_hWnd, m_hMenuDefault);
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        if (pApp->InMessageLoop()) ::PostQuitMessage(0);  // the main window's end is the program's
    }
    CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy() { delete this; }

void CFrameWnd::OnClose() {
    CWinApp* pApp = AfxGetApp();
    CDocument* pDocument = GetActiveDocument();
    if (pDocument && !pDocument->CanCloseFrame(this)) return;

    if (pApp && pApp->m_pMainWnd == this) {
        // Closing the main window ends the program: every document may veto.
        if (!pApp->SaveAllModified()) return;
        pApp->CloseAllDocuments(FALSE);
        DestroyWindow();
        return;
    }

    if (pDocument && pDocument->m_bAutoDelete) {
        // The document's last frame closes the document.
        bool bOtherFrame = false;
        for (CView* pView : pDocument->GetViews())
            if (pView->GetParentFrame() != this) bOtherFrame = true;
        if (!bOtherFrame) {
            pDocument->OnCloseDocument();
            return;
        }
        pDocument->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int, int) {
    if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd) {
    if (m_pViewActive && m_pViewActive->m_hWnd)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

HMENU CFrameWnd::FindPopupWithCommand(HMENU hMenu, UINT nID) {
    int n = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < n; ++i) {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (!hSub) continue;
        int m = ::GetMenuItemCount(hSub);
        for (int j = 0; j < m; ++j)
            if (::GetMenuItemID(hSub, j) == nID) return hSub;
        if (HMENU hFound = FindPopupWithCommand(hSub, nID)) return hFound;
    }
    return nullptr;
}

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT, BOOL bSysMenu) {
    if (bSysMenu || !pMenu) return;
    CMenuCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = pMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0) continue;  // separator
        if (state.m_nID == static_cast<UINT>(-1)) {
            // A popup follows its first item, but is never disabled for want of a handler.
            CMenu* pSub = pMenu->GetSubMenu(static_cast<int>(state.m_nIndex));
            if (!pSub) continue;
            state.m_nID = pSub->GetMenuItemID(0);
            if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) continue;
            state.m_pSubMenu = pSub;
            state.DoUpdate(this, FALSE);
        } else {
            state.m_pSubMenu = nullptr;
            // System and window-list items are the system's.
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }
        // A handler may have removed items (the recent-file list): step back.
        UINT nCount = pMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax) {
            state.m_nIndex -= state.m_nIndexMax - nCount;
            while (state.m_nIndex < nCount &&
                   pMenu->GetMenuItemID(static_cast<int>(state.m_nIndex)) == state.m_nID)
                ++state.m_nIndex;
        }
        state.m_nIndexMax = nCount;
    }
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
    if (nFlags == 0xFFFF && !hSysMenu) {
        SetMessageText(WinMsg::kReady);  // the menu closed
        return;
    }
    bool bPlain = !(nFlags & (MF_SEPARATOR | MF_POPUP | MF_SYSMENU)) && nItemID < 0xF000;
    SendMessage(WM_SETMESSAGESTRING, 0,
                reinterpret_cast<LPARAM>(bPlain ? PromptOf(nItemID).GetString() : ""));
}

void CFrameWnd::OnExitMenuLoop(BOOL) { SetMessageText(WinMsg::kReady); }

void CFrameWnd::OnDropFiles(HDROP hDropInfo) {
    SetActiveWindow();
    CWinApp* pApp = AfxGetApp();
    UINT nFiles = ::DragQueryFileA(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < nFiles; ++i) {
        UINT nLen = ::DragQueryFileA(hDropInfo, i, nullptr, 0);
        CString path;
        ::DragQueryFileA(hDropInfo, i, path.GetBufferSetLength(static_cast<int>(nLen)), nLen + 1);
        path.ReleaseBuffer();
        if (pApp) pApp->OpenDocumentFile(path);
    }
    ::DragFinish(hDropInfo);
}

BOOL CFrameWnd::OnQueryEndSession() {
    CWinApp* pApp = AfxGetApp();
    return !pApp || pApp->m_pMainWnd != this || pApp->SaveAllModified();
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) { return 0; }

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
    CString text;
    if (lParam)
        text = reinterpret_cast<LPCSTR>(lParam);
    else if (wParam)
        text = PromptOf(static_cast<UINT>(wParam));
    else
        text = WinMsg::kReady;
    if (CWnd* pBar = GetMessageBar()) pBar->SetWindowText(text);
    return 0;
}

BOOL CFrameWnd::OnBarCheck(UINT nID) {
    CControlBar* pBar = GetControlBar(nID);
    if (!pBar) return FALSE;
    ShowControlBar(pBar, !(pBar->GetStyle() & WS_VISIBLE), FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (!pBar) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI) {
    int nVK = pCmdUI->m_nID == ID_INDICATOR_CAPS  ? VK_CAPITAL
              : pCmdUI->m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK
                                                  : VK_SCROLL;
    pCmdUI->Enable((::GetKeyState(nVK) & 1) != 0);
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    auto* pTTT = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    UINT_PTR nID = pNMHDR->idFrom;
    if (pTTT->uFlags & TTF_IDISHWND) nID = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(nID)));
    // Only for bars that asked for tooltips.
    CWnd* pBar = CWnd::FromHandlePermanent(::GetParent(pNMHDR->hwndFrom));
    if (!pBar || !pBar->IsKindOf(RUNTIME_CLASS(CControlBar)) ||
        !(static_cast<CControlBar*>(pBar)->GetBarStyle() & CBRS_TOOLTIPS)) {
        CControlBar* pToolBar = GetControlBar(AFX_IDW_TOOLBAR);
        if (!pToolBar || !(pToolBar->GetBarStyle() & CBRS_TOOLTIPS)) return FALSE;
    }
    static CString s_tip;  // the tooltip reads the text after this returns
    CString full;
    s_tip.Empty();
    if (nID && AfxLoadString(static_cast<UINT>(nID), full)) AfxExtractSubString(s_tip, full, 1);
    pTTT->lpszText = const_cast<LPSTR>(s_tip.GetString());
    pTTT->hinst = nullptr;
    *pResult = 0;
    return TRUE;
}

BOOL CFrameWnd::OnToolBarHotItem(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    CWnd* pWnd = CWnd::FromHandlePermanent(pNMHDR->hwndFrom);
    if (!pWnd || !pWnd->IsKindOf(RUNTIME_CLASS(CToolBar)) ||
        !(static_cast<CToolBar*>(pWnd)->GetBarStyle() & CBRS_FLYBY))
        return FALSE;
    auto* pHot = reinterpret_cast<NMTBHOTITEM*>(pNMHDR);
    if (pHot->dwFlags & HICF_LEAVING)
        SetMessageText(WinMsg::kReady);
    else
        SetMessageText(PromptOf(static_cast<UINT>(pHot->idNew)));
    *pResult = 0;
    return TRUE;
}
