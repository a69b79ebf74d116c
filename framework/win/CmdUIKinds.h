// The window layer's kinds of CCmdUI: each applies the route's answer to a
// menu item, a toolbar button or a status-bar pane.
#pragma once

#include "framework/core/CmdTarget.h"
#include "framework/win/Menu.h"

class CToolBar;
class CStatusBar;

// A menu item, addressed by its position m_nIndex in m_pMenu.
class CMenuCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetRadio(BOOL bOn = TRUE) override;
    void SetText(const char* lpszText) override;
};

// A toolbar button, addressed by its index m_nIndex in the bar (m_pOther).
class CToolCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetRadio(BOOL bOn = TRUE) override { SetCheck(bOn ? 1 : 0); }
    void SetText(const char*) override {}
};

// A status-bar pane: enabled shows its text, disabled shows it blank.
class CStatusCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetRadio(BOOL bOn = TRUE) override { SetCheck(bOn ? 1 : 0); }
    void SetText(const char* lpszText) override;
};
