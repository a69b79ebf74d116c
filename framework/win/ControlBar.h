// CControlBar: the base of the frame's toolbar and status bar. The frame
// keeps its bars at the top and bottom of its client area (RecalcLayout)
// and, at idle time, asks each bar to update its buttons or panes through
// the command route (OnUpdateCmdUI).
#pragma once

#include "framework/win/Wnd.h"

class CFrameWnd;

// Bar styles (kept in the bar, not in the window style).
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_SIZE_DYNAMIC 0x0040L
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    ~CControlBar() override;

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle);
    // Bars stay where the frame puts them; the docking sides are recorded only.
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }
    CFrameWnd* GetDockingFrame() const { return m_pDockFrame; }

    // Updates the bar's items through pTarget's command route.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) = 0;
    // Height the bar needs at the given client width.
    virtual int CalcHeight(int nWidth);

    void PostNcDestroy() override;

protected:
    // Records the bar in its frame; called by the bars' Create.
    void AttachToFrame(CWnd* pParentWnd, DWORD dwStyle);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    friend class CFrameWnd;

    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;
    CFrameWnd* m_pDockFrame = nullptr;

    DECLARE_MESSAGE_MAP()
};
