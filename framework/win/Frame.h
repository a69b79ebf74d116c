// CFrameWnd: a window with a menu, bars and a view.
//
// Commands are routed from the frame to its active view (which passes them
// to its document), then to the frame's own map, then, for a top-level
// frame, to the application. Menus are enabled on WM_INITMENUPOPUP and the
// bars at idle time through the same route (ON_UPDATE_COMMAND_UI); with
// m_bAutoMenuEnable a command nobody handles is shown disabled.
#pragma once

#include <vector>

#include "framework/win/Wnd.h"

class CControlBar;
class CDocument;
class CDocTemplate;
class CView;

// Frame styles (kept in the low word of the window style).
#define FWS_ADDTOTITLE 0x00008000L   // the title shows the active document's name
#define FWS_PREFIXTITLE 0x00004000L  // ... before the frame's own name

// What a frame needs to make its view: passed through LoadFrame/Create.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd() = default;
    ~CFrameWnd() override;

    static const CRect rectDefault;  // CW_USEDEFAULT position and size

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Creates the frame from resource nIDResource: its title (string
    // resource, up to the first '\n'), icon, menu and accelerators.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

    // Views and documents.
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual CFrameWnd* GetActiveFrame() { return this; }
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // Shows the frame (nCmdShow -1: as it should first appear) and activates it.
    virtual void ActivateFrame(int nCmdShow = -1);
    // Called once the frame and its view exist: the view's OnInitialUpdate,
    // then (bMakeVisible) ActivateFrame and the title.
    virtual void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);

    // Title.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCSTR lpszDocName);
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }
    const CString& GetTitle() const { return m_strTitle; }

    // Bars and layout.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID) const;
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    // The message pane of the status bar.
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);
    CWnd* GetMessageBar() const;
    // Command UI of the bars (what idle time does).
    void UpdateControlBars(BOOL bDisableIfNoHandler = TRUE);

    BOOL m_bAutoMenuEnable = TRUE;
    HMENU m_hMenuDefault = nullptr;  // the frame's own menu (loaded by LoadFrame)
    HACCEL m_hAccelTable = nullptr;
    int m_nWindow = -1;  // number shown after the document's title (":2"), or -1
    UINT m_nIDHelp = 0;  // the resource id it was loaded from

    // Overridables.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PostNcDestroy() override;  // frames are made with new and delete themselves
    virtual BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext);

    // Handlers.
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    void OnExitMenuLoop(BOOL bIsTrackPopupMenu);
    void OnDropFiles(HDROP hDropInfo);
    BOOL OnQueryEndSession();
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    BOOL OnBarCheck(UINT nID);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    void OnUpdateKeyIndicator(CCmdUI* pCmdUI);
    BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnToolBarHotItem(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

protected:
    // The context of the frame being created (for OnCreateClient).
    virtual CCreateContext* GetCreateContext(LPCREATESTRUCTA lpcs);
    // The popup menu of a menu bar that holds command nID, or null.
    static HMENU FindPopupWithCommand(HMENU hMenu, UINT nID);

    CView* m_pViewActive = nullptr;
    std::vector<CControlBar*> m_listControlBars;
    CString m_strTitle;
    DWORD m_dwDockStyle = 0;

    DECLARE_MESSAGE_MAP()
};
