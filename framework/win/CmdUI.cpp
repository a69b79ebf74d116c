#include "framework/win/CmdUIKinds.h"

#include <windows.h>

#include <commctrl.h>

#include "framework/win/StatusBar.h"
#include "framework/win/ToolBar.h"

// --- Menu items ---

void CMenuCmdUI::Enable(BOOL bOn) {
    CCmdUI::Enable(bOn);
    if (m_pMenu)
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
}

void CMenuCmdUI::SetCheck(int nCheck) {
    CCmdUI::SetCheck(nCheck);
    if (m_pMenu && !m_pSubMenu)
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
}

void CMenuCmdUI::SetRadio(BOOL bOn) {
    CCmdUI::SetRadio(bOn);
    if (!m_pMenu || m_pSubMenu) return;
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE | MIIM_STATE;
    ::GetMenuItemInfoA(m_pMenu->m_hMenu, m_nIndex, TRUE, &mii);
    mii.fType = bOn ? (mii.fType | MFT_RADIOCHECK) : (mii.fType & ~MFT_RADIOCHECK);
    mii.fState = bOn ? (mii.fState | MFS_CHECKED) : (mii.fState & ~MFS_CHECKED);
    ::SetMenuItemInfoA(m_pMenu->m_hMenu, m_nIndex, TRUE, &mii);
}

void CMenuCmdUI::SetText(const char* lpszText) {
    CCmdUI::SetText(lpszText);
    if (!m_pMenu || m_pSubMenu) return;
    // Keep the item's state; only the text changes.
    UINT nState = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
}

// --- Toolbar buttons ---

void CToolCmdUI::Enable(BOOL bOn) {
    CCmdUI::Enable(bOn);
    if (m_pOther) m_pOther->SendMessage(TB_ENABLEBUTTON, m_nID, MAKELPARAM(bOn ? TRUE : FALSE, 0));
}

void CToolCmdUI::SetCheck(int nCheck) {
    CCmdUI::SetCheck(nCheck);
    if (!m_pOther) return;
    m_pOther->SendMessage(TB_CHECKBUTTON, m_nID, MAKELPARAM(nCheck == 1, 0));
    m_pOther->SendMessage(TB_INDETERMINATE, m_nID, MAKELPARAM(nCheck == 2, 0));
}

// --- Status-bar panes ---

void CStatusCmdUI::Enable(BOOL bOn) {
    CCmdUI::Enable(bOn);
    auto* pBar = static_cast<CStatusBar*>(m_pOther);
    if (!pBar || static_cast<int>(m_nIndex) >= pBar->GetCount()) return;
    UINT nStyle = pBar->GetPaneStyle(m_nIndex);
    UINT nNew = bOn ? (nStyle & ~SBPS_DISABLED) : (nStyle | SBPS_DISABLED);
    if (nNew != nStyle) pBar->SetPaneStyle(m_nIndex, nNew);
}

void CStatusCmdUI::SetCheck(int nCheck) {
    CCmdUI::SetCheck(nCheck);
    auto* pBar = static_cast<CStatusBar*>(m_pOther);
    if (!pBar || static_cast<int>(m_nIndex) >= pBar->GetCount()) return;
    UINT nStyle = pBar->GetPaneStyle(m_nIndex);
    UINT nNew = nCheck ? (nStyle | SBPS_POPOUT) : (nStyle & ~SBPS_POPOUT);
    if (nNew != nStyle) pBar->SetPaneStyle(m_nIndex, nNew);
}

void CStatusCmdUI::SetText(const char* lpszText) {
    CCmdUI::SetText(lpszText);
    auto* pBar = static_cast<CStatusBar*>(m_pOther);
    if (pBar) pBar->SetPaneText(m_nIndex, lpszText);
}
