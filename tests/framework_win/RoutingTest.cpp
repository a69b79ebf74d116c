// Commands from the main window travel view -> document -> child frame ->
// main frame -> application; the same route decides how menu items,
// toolbar buttons and status panes look.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/win/PrivateMessages.h"
#include "tests/framework_win/MdiFixture.h"
#include "tests/framework_win/TestIds.h"
#include "tests/framework_win/WinTestSupport.h"

using Strings = std::vector<std::string>;

namespace {

BOOL IsGrayed(HMENU hMenu, UINT nID) { return (::GetMenuState(hMenu, nID, MF_BYCOMMAND) & MF_GRAYED) != 0; }

}  // namespace

TEST_F(MdiTest, CommandsTakeTheFirstHandlerOnTheRoute) {
    NewDocument();
    const std::pair<UINT, const char*> cases[] = {
        {ID_CMD_ALL, "view"},  {ID_CMD_DOC, "doc"}, {ID_CMD_CHILD, "child"},
        {ID_CMD_MAIN, "main"}, {ID_CMD_APP, "app"},
    };
    for (const auto& c : cases) {
        Trace().clear();
        m_pMain->SendMessage(WM_COMMAND, c.first);
        EXPECT_EQ(Trace(), Strings{c.second}) << "command " << c.first;
    }
    // A handler that declines passes the command on.
    Trace().clear();
    m_pMain->SendMessage(WM_COMMAND, ID_CMD_PASS);
    EXPECT_EQ(Trace(), (Strings{"view declines", "doc"}));
}

TEST_F(MdiTest, WithoutDocumentTheFramesAndApplicationRemain) {
    m_pMain->SendMessage(WM_COMMAND, ID_CMD_ALL);
    m_pMain->SendMessage(WM_COMMAND, ID_CMD_APP);
    EXPECT_EQ(Trace(), (Strings{"main", "app"}));
}

TEST_F(MdiTest, DisabledCommandDoesNotRunFromMenuOrAccelerator) {
    NewDocument();
    m_pMain->SendMessage(WM_COMMAND, MAKEWPARAM(ID_CMD_DISABLED, 1));  // as an accelerator sends it
    EXPECT_TRUE(Trace().empty());
}

TEST_F(MdiTest, CommandUiAsksTheRoute) {
    NewDocument();
    auto ask = [&](UINT nID) {
        CCmdUI ui;
        ui.m_nID = nID;
        ui.DoUpdate(m_pMain, TRUE);
        return ui.m_bEnabled;
    };
    EXPECT_TRUE(ask(ID_CMD_ALL));
    EXPECT_TRUE(ask(ID_FILE_SAVE));      // the document's own command
    EXPECT_FALSE(ask(ID_CMD_NONE));      // nobody handles it
    EXPECT_FALSE(ask(ID_CMD_DISABLED));  // its update handler says no
    EXPECT_TRUE(ask(ID_WINDOW_NEW));     // a child is open

    // The menu of the job window, as it drops down.
    HMENU hMenu = ::GetMenu(m_pMain->m_hWnd);
    HMENU hTest = ::GetSubMenu(hMenu, 1);  // the child's menu is shown while it is active
    ASSERT_NE(hTest, nullptr);
    m_pMain->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hTest), 1);
    EXPECT_FALSE(IsGrayed(hTest, ID_CMD_ALL));
    EXPECT_TRUE(IsGrayed(hTest, ID_CMD_NONE));
    EXPECT_TRUE(IsGrayed(hTest, ID_CMD_DISABLED));

    // The toolbar, at idle time.
    theTestApp.OnIdle(0);
    EXPECT_TRUE(m_pMain->m_wndToolBar.IsButtonEnabled(ID_CMD_ALL));
    EXPECT_FALSE(m_pMain->m_wndToolBar.IsButtonEnabled(ID_CMD_NONE));
    EXPECT_FALSE(m_pMain->m_wndToolBar.IsButtonEnabled(ID_CMD_DISABLED));
    EXPECT_TRUE(m_pMain->m_wndToolBar.IsButtonEnabled(ID_FILE_NEW));
}

TEST_F(MdiTest, BarsFollowTheirCommandsAndShowPrompts) {
    HWND hStatus = m_pMain->m_wndStatusBar.m_hWnd;
    HWND hTool = m_pMain->m_wndToolBar.m_hWnd;
    ASSERT_TRUE(::IsWindowVisible(hTool));
    m_pMain->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(::IsWindowVisible(hTool));
    CCmdUI ui;
    ui.m_nID = ID_VIEW_TOOLBAR;
    ui.DoUpdate(m_pMain, TRUE);
    EXPECT_EQ(ui.m_nCheck, 0);
    m_pMain->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_TRUE(::IsWindowVisible(hTool));

    // The pane is below the toolbar and above the status bar.
    RECT rcTool, rcStatus, rcClient;
    ::GetWindowRect(hTool, &rcTool);
    ::GetWindowRect(hStatus, &rcStatus);
    ::GetWindowRect(m_pMain->m_hWndMDIClient, &rcClient);
    EXPECT_GE(rcClient.top, rcTool.bottom);
    EXPECT_LE(rcClient.bottom, rcStatus.top);

    // Fly-by prompt and tooltip come from the command's string.
    m_pMain->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_CMD_ALL, MF_STRING), 0);
    EXPECT_EQ(m_pMain->m_wndStatusBar.GetPaneText(0), "Does it all");
    m_pMain->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(m_pMain->m_wndStatusBar.GetPaneText(0), "Ready");
    NMTTDISPINFOA tip{};
    tip.hdr.hwndFrom = hTool;
    tip.hdr.idFrom = ID_CMD_ALL;
    tip.hdr.code = TTN_GETDISPINFOA;
    m_pMain->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip.lpszText, nullptr);
    EXPECT_STREQ(tip.lpszText, "All");

    EXPECT_EQ(m_pMain->m_wndStatusBar.GetPaneText(1), "CAP");
}
