// Message maps: typed handlers, the chain to the base class's map, the
// fall-through to the window's own processing, and subclassing.
#include <gtest/gtest.h>

#include "framework/win/Controls.h"
#include "framework/win/MessageMap.h"
#include "tests/framework_win/WinTestSupport.h"

namespace {

constexpr UINT WM_TEST_ASK = WM_APP + 1;
constexpr UINT WM_TEST_BASE_ONLY = WM_APP + 2;

class CBaseTestWnd : public CWnd {
public:
    std::vector<std::string> calls;
    int cx = 0, cy = 0;
    CPoint click;
    void OnSize(UINT, int w, int h) {
        calls.push_back("base size");
        cx = w;
        cy = h;
    }
    void OnLButtonDown(UINT, CPoint pt) { click = pt; }
    LRESULT OnAsk(WPARAM, LPARAM) { return 11; }
    LRESULT OnBaseOnly(WPARAM w, LPARAM) { return static_cast<LRESULT>(w) * 2; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTestWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_TEST_ASK, &CBaseTestWnd::OnAsk)
    ON_MESSAGE(WM_TEST_BASE_ONLY, &CBaseTestWnd::OnBaseOnly)
END_MESSAGE_MAP()

class CDerivedTestWnd : public CBaseTestWnd {
public:
    UINT lastKey = 0;
    LRESULT OnAskDerived(WPARAM, LPARAM) { return 22; }
    void OnKeyDown(UINT nChar, UINT, UINT) { lastKey = nChar; }
    void OnSize(UINT nType, int w, int h) {
        calls.push_back("derived size");
        CBaseTestWnd::OnSize(nType, w, h);  // a handler keeps its base's behaviour by calling it
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTestWnd, CBaseTestWnd)
    ON_MESSAGE(WM_TEST_ASK, &CDerivedTestWnd::OnAskDerived)
    ON_WM_KEYDOWN()
    ON_WM_SIZE()
END_MESSAGE_MAP()

// An edit control that refuses digits: WM_CHAR through the map, the rest
// to the control's own procedure.
class CLettersEdit : public CEdit {
public:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
        if (nChar >= '0' && nChar <= '9') return;
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLettersEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

}  // namespace

TEST(MessageMap, DerivedEntriesWinAndBaseEntriesStillServe) {
    CDerivedTestWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, nullptr, "map test", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr));
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);

    EXPECT_EQ(wnd.SendMessage(WM_TEST_ASK), 22);            // derived entry first
    EXPECT_EQ(wnd.SendMessage(WM_TEST_BASE_ONLY, 21), 42);  // base entry through the chain

    wnd.calls.clear();
    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(123, 45));
    EXPECT_EQ(wnd.calls, (std::vector<std::string>{"derived size", "base size"}));
    EXPECT_EQ(wnd.cx, 123);
    EXPECT_EQ(wnd.cy, 45);

    // Client coordinates are signed 16-bit in the message.
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 7));
    EXPECT_EQ(wnd.click.x, -5);
    EXPECT_EQ(wnd.click.y, 7);
    wnd.SendMessage(WM_KEYDOWN, VK_F5, 0);
    EXPECT_EQ(wnd.lastKey, static_cast<UINT>(VK_F5));

    // Without an entry the window's own processing runs.
    EXPECT_EQ(wnd.GetWindowText(), "map test");

    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST(MessageMap, SubclassedControlFiltersThroughItsMap) {
    CWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr));
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 5, 5, 200, 24, parent.m_hWnd,
                                   reinterpret_cast<HMENU>(7), ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hEdit, nullptr);
    CLettersEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(7, &parent));
    for (char ch : std::string("a1b2")) edit.SendMessage(WM_CHAR, static_cast<WPARAM>(ch), 1);
    EXPECT_EQ(edit.GetWindowText(), "ab");

    // Given back, the control takes digits again.
    EXPECT_EQ(edit.UnsubclassWindow(), hEdit);
    ::SendMessageA(hEdit, WM_CHAR, '3', 1);
    char text[16] = "";
    ::GetWindowTextA(hEdit, text, sizeof text);
    EXPECT_STREQ(text, "ab3");
    parent.DestroyWindow();
}

TEST(MessageMap, TemporaryObjectsServeUnknownWindowsUntilIdle) {
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(CWnd::FromHandle(hWnd), pTemp);
    EXPECT_EQ(pTemp->GetWindowText(), "plain");
    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsWindow(hWnd));  // the window outlives its temporary object
    ::DestroyWindow(hWnd);
}
