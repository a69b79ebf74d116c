#include "app/SplashWnd.h"

#include "framework/win/App.h"
#include "framework/win/MessageMap.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CSplashWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplashWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

BOOL CSplashWnd::c_bShowSplashWnd = FALSE;
CSplashWnd* CSplashWnd::c_pSplashWnd = nullptr;

CSplashWnd::~CSplashWnd() {
    if (c_pSplashWnd == this) c_pSplashWnd = nullptr;
}

void CSplashWnd::ShowSplashScreen(CWnd* pParentWnd) {
    if (!c_bShowSplashWnd || c_pSplashWnd) return;
    c_pSplashWnd = new CSplashWnd;
    if (!c_pSplashWnd->Create(pParentWnd)) {
        delete c_pSplashWnd;  // clears c_pSplashWnd
        return;
    }
    c_pSplashWnd->UpdateWindow();
}

BOOL CSplashWnd::Create(CWnd* pParentWnd) {
    if (!m_bitmap.LoadBitmap(IDB_SPLASH)) return FALSE;
    BITMAP bm{};
    m_bitmap.GetBitmap(&bm);
    return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW)), nullptr,
                    WS_POPUP | WS_VISIBLE, 0, 0, bm.bmWidth, bm.bmHeight, AfxHwndOf(pParentWnd), nullptr);
}

BOOL CSplashWnd::PreTranslateAppMessage(MSG* pMsg) {
    if (!c_pSplashWnd) return FALSE;
    switch (pMsg->message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
            c_pSplashWnd->HideSplashScreen();
            return TRUE;
        default:
            return FALSE;
    }
}

void CSplashWnd::HideSplashScreen() {
    DestroyWindow();  // deletes this object
    if (CWnd* pMain = AfxGetMainWnd()) pMain->UpdateWindow();
}

void CSplashWnd::PostNcDestroy() { delete this; }

int CSplashWnd::OnCreate(LPCREATESTRUCTA lpcs) {
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    CenterWindow();
    SetTimer(kTimerId, kShowMilliseconds);
    return 0;
}

void CSplashWnd::OnPaint() {
    CPaintDC dc(this);
    CDC memDC;
    if (!memDC.CreateCompatibleDC(&dc)) return;
    BITMAP bm{};
    m_bitmap.GetBitmap(&bm);
    HGDIOBJ old = memDC.SelectObject(&m_bitmap);
    dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(old);
}

void CSplashWnd::OnTimer(UINT_PTR) { HideSplashScreen(); }
