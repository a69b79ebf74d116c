#include "framework/win/StatusBar.h"

#include <windows.h>

#include <commctrl.h>

#include "framework/win/CmdUIKinds.h"
#include "framework/win/Frame.h"
#include "framework/win/Gdi.h"
#include "framework/win/MessageMap.h"
#include "framework/win/ResourceString.h"
#include "framework/win/WinMessages.h"

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETTEXT, &CStatusBar::OnSetText)
END_MESSAGE_MAP()

namespace {

// The indicators' own texts when the program's resources lack them.
CString IndicatorText(UINT nID) {
    CString s;
    if (AfxLoadString(nID, s)) return s;
    switch (nID) {
        case ID_INDICATOR_CAPS:
            return WinMsg::kIndicatorCaps;
        case ID_INDICATOR_NUM:
            return WinMsg::kIndicatorNum;
        case ID_INDICATOR_SCRL:
            return WinMsg::kIndicatorScrl;
        default:
            return CString();
    }
}

}  // namespace

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    if (!CWnd::CreateEx(0, STATUSCLASSNAMEA, nullptr, dwStyle & ~CBRS_ALL, CRect(0, 0, 0, 0), pParentWnd,
                        nID))
        return FALSE;
    AttachToFrame(pParentWnd, dwStyle);
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    m_panes.clear();
    CClientDC dc(this);
    HGDIOBJ hOldFont = dc.SelectObject(reinterpret_cast<HGDIOBJ>(GetFont()));
    for (int i = 0; i < nIDCount; ++i) {
        Pane pane{lpIDArray[i], SBPS_NORMAL, 0, CString()};
        if (pane.nID == ID_SEPARATOR) {
            pane.nStyle = SBPS_STRETCH | SBPS_NOBORDERS;
            if (i == 0) pane.strText = WinMsg::kReady;  // the message pane starts idle
        } else {
            pane.strText = IndicatorText(pane.nID);
            pane.cxText = dc.GetTextExtent(pane.strText).cx;
        }
        m_panes.push_back(pane);
    }
    dc.SelectObject(hOldFont);
    UpdateParts();
    return TRUE;
}

UINT CStatusBar::GetItemID(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<size_t>(nIndex)].nID : 0;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const {
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[static_cast<size_t>(i)].nID == nIDFind) return i;
    return -1;
}

void CStatusBar::ShowPaneText(int nIndex) {
    const Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    UINT nFlags =
        (pane.nStyle & SBPS_NOBORDERS) ? SBT_NOBORDERS : ((pane.nStyle & SBPS_POPOUT) ? SBT_POPOUT : 0);
    // A disabled indicator shows an empty pane.
    LPCSTR text = (pane.nStyle & SBPS_DISABLED) ? "" : pane.strText.GetString();
    SendMessage(SB_SETTEXTA, static_cast<WPARAM>(nIndex) | nFlags, reinterpret_cast<LPARAM>(text));
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate) {
    if (nIndex < 0 || nIndex >= GetCount()) return FALSE;
    m_panes[static_cast<size_t>(nIndex)].strText = lpszNewText;
    if (bUpdate) ShowPaneText(nIndex);
    return TRUE;
}

CString CStatusBar::GetPaneText(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<size_t>(nIndex)].strText : CString();
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
    if (nIndex < 0 || nIndex >= GetCount()) return;
    Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = cxWidth;
    UpdateParts();
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const {
    const Pane& pane = m_panes.at(static_cast<size_t>(nIndex));
    nID = pane.nID;
    nStyle = pane.nStyle;
    cxWidth = pane.cxText;
}

UINT CStatusBar::GetPaneStyle(int nIndex) const { return m_panes.at(static_cast<size_t>(nIndex)).nStyle; }

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
    m_panes.at(static_cast<size_t>(nIndex)).nStyle = nStyle;
    ShowPaneText(nIndex);
}

void CStatusBar::UpdateParts() {
    if (!m_hWnd || m_panes.empty()) return;
    // Fixed panes at the right, each its text wide plus a margin; the
    // stretching pane takes the rest.
    CRect rc;
    GetClientRect(&rc);
    const int kMargin = 12;
    const size_t n = m_panes.size();
    std::vector<int> edges(n);
    edges[n - 1] = -1;  // the last pane reaches the right edge
    int x = rc.right;
    for (size_t i = n - 1; i >= 1; --i) {
        x -= m_panes[i].cxText + kMargin;
        edges[i - 1] = x;
    }
    SendMessage(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < GetCount(); ++i) ShowPaneText(i);
}

void CStatusBar::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    UpdateParts();
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam) {
    // The window text is the message pane's.
    if (m_panes.empty()) return Default();
    m_panes[0].strText = reinterpret_cast<LPCSTR>(lParam);
    ShowPaneText(0);
    return TRUE;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) {
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = m_panes[state.m_nIndex].nID;
        // Panes without a handler keep their state.
        if (state.m_nID != ID_SEPARATOR) state.DoUpdate(pTarget, FALSE);
    }
}

int CStatusBar::CalcHeight(int) {
    SendMessage(WM_SIZE);  // the control sizes itself to its font
    return CControlBar::CalcHeight(0);
}
