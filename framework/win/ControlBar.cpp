#include "framework/win/ControlBar.h"

#include "framework/win/Frame.h"
#include "framework/win/MessageMap.h"
#include "framework/win/PrivateMessages.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CControlBar::~CControlBar() {
    if (m_pDockFrame) m_pDockFrame->RemoveControlBar(this);
}

void CControlBar::AttachToFrame(CWnd* pParentWnd, DWORD dwStyle) {
    m_dwStyle = dwStyle & CBRS_ALL;
    if (pParentWnd && pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
        m_pDockFrame = static_cast<CFrameWnd*>(pParentWnd);
        m_pDockFrame->AddControlBar(this);
    }
}

void CControlBar::SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle & CBRS_ALL; }

int CControlBar::CalcHeight(int) {
    CRect rc;
    GetWindowRect(&rc);
    return rc.Height();
}

void CControlBar::PostNcDestroy() {
    if (m_pDockFrame) m_pDockFrame->RemoveControlBar(this);
    m_pDockFrame = nullptr;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    // Only while shown: a hidden bar's buttons need no updating.
    if (IsWindowVisible() && m_pDockFrame) OnUpdateCmdUI(m_pDockFrame, static_cast<BOOL>(wParam));
    return 0;
}
