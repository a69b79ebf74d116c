// Proves that a real window can be created under Wine with the X display
// the test run provides.
#include <windows.h>

#include <gtest/gtest.h>

TEST(WindowSmoke, CreatesAndDestroysStaticWindow) {
    HWND hwnd = CreateWindowExA(0, "STATIC", "smoke", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr) << "CreateWindowExA failed, error " << GetLastError();
    EXPECT_TRUE(IsWindow(hwnd));

    char text[32] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    EXPECT_STREQ(text, "smoke");

    EXPECT_TRUE(DestroyWindow(hwnd));
    EXPECT_FALSE(IsWindow(hwnd));
}
