// CStatusBar: the common status-bar control with panes. Pane 0 (id
// ID_SEPARATOR) is the message pane and takes the remaining width; the
// other panes are indicators sized to the string resource of their id
// ("CAP", "NUM", "SCRL"), showing it while the key state is on.
#pragma once

#include <vector>

#include "framework/win/ControlBar.h"

// Pane styles.
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS 0x0100
#define SBPS_POPOUT 0x0200
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    UINT GetItemID(int nIndex) const;
    int CommandToIndex(UINT nIDFind) const;
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    CString GetPaneText(int nIndex) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) override;
    int CalcHeight(int nWidth) override;

protected:
    struct Pane {
        UINT nID;
        UINT nStyle;
        int cxText;
        CString strText;  // the indicator's text, or the message
    };
    void UpdateParts();
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    void ShowPaneText(int nIndex);

    std::vector<Pane> m_panes;

    friend class CStatusCmdUI;
    DECLARE_MESSAGE_MAP()
};
