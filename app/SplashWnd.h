// CSplashWnd: the picture shown over the main window at start-up. It goes
// after 750 ms or at the first key or mouse-button press anywhere in the
// program, whichever comes first, and is shown at most once per run.
#pragma once

#include "framework/win/Gdi.h"
#include "framework/win/Wnd.h"

class CSplashWnd : public CWnd {
    DECLARE_DYNAMIC(CSplashWnd)
public:
    ~CSplashWnd() override;

    static void EnableSplashScreen(BOOL bEnable) { c_bShowSplashWnd = bEnable; }
    static void ShowSplashScreen(CWnd* pParentWnd);
    // TRUE when the message hid the splash window (it is then consumed).
    static BOOL PreTranslateAppMessage(MSG* pMsg);

    static BOOL c_bShowSplashWnd;
    static CSplashWnd* c_pSplashWnd;

    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kShowMilliseconds = 750;

    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);

protected:
    CSplashWnd() = default;
    BOOL Create(CWnd* pParentWnd);
    void HideSplashScreen();
    void PostNcDestroy() override;

    CBitmap m_bitmap;

    DECLARE_MESSAGE_MAP()
};
