// The layer's property sheet: pages made when first shown, checks that
// keep a page, OK and Cancel through every created page, the commands the
// sheet hands to its active page and what Enter does.
#include <gtest/gtest.h>

#include "framework/win/DataExchange.h"
#include "framework/win/MessageMap.h"
#include "framework/win/PropertyPage.h"
#include "framework/win/PropertySheet.h"
#include "tests/framework_win/TestIds.h"
#include "tests/framework_win/WinTestSupport.h"

namespace {

constexpr UINT kForeignCommand = 1040;

class CTextPage : public CPropertyPage {
public:
    explicit CTextPage(UINT nID) : CPropertyPage(nID) {}
    CString m_strText;
    int m_nOK = 0;
    int m_nCancel = 0;
    int m_nForeign = 0;
    int m_nPressed = 0;
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_PAGE_TEXT, m_strText); }
    BOOL OnKillActive() override {
        if (GetDlgItemText(IDC_PAGE_TEXT) == "bad") return FALSE;
        return CPropertyPage::OnKillActive();
    }
    void OnOK() override { ++m_nOK; }
    void OnCancel() override { ++m_nCancel; }
    void OnForeign() { ++m_nForeign; }
    void OnPress() { ++m_nPressed; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTextPage, CPropertyPage)
    ON_BN_CLICKED(kForeignCommand, &CTextPage::OnForeign)
    ON_BN_CLICKED(IDC_PAGE_BUTTON, &CTextPage::OnPress)
END_MESSAGE_MAP()

// Changes the tab as a click on it does: the sheet may refuse.
void ClickTab(CPropertySheet& sheet, int nTab) {
    CTabCtrl* pTab = sheet.GetTabControl();
    NMHDR nm{pTab->m_hWnd, AFX_IDC_TAB_CONTROL, static_cast<UINT>(TCN_SELCHANGING)};
    if (sheet.SendMessage(WM_NOTIFY, AFX_IDC_TAB_CONTROL, reinterpret_cast<LPARAM>(&nm))) return;
    pTab->SetCurSel(nTab);
    nm.code = static_cast<UINT>(TCN_SELCHANGE);
    sheet.SendMessage(WM_NOTIFY, AFX_IDC_TAB_CONTROL, reinterpret_cast<LPARAM>(&nm));
}

// A key pressed in the focused control, offered to the sheet first as the
// modal loop does; TRUE when the sheet took it.
bool PressKeyIn(CPropertySheet& sheet, UINT nKey) {
    MSG msg{::GetFocus(), WM_KEYDOWN, nKey, 1, 0, {0, 0}};
    if (AfxPreTranslateUpTo(sheet.m_hWnd, &msg)) return true;
    if (nKey == VK_RETURN) ::SendMessageA(msg.hwnd, WM_CHAR, '\r', 1);
    return false;
}

void Open(CPropertySheet&, std::function<void(CPropertySheet&)> fn) {
    CDialog::SetTestHook([fn](CDialog& dlg) { fn(static_cast<CPropertySheet&>(dlg)); });
}

class PropertySheetTest : public ::testing::Test {
protected:
    void TearDown() override { CDialog::ClearTestHooks(); }
    CTextPage m_first{IDD_TEST_PAGE1};
    CTextPage m_second{IDD_TEST_PAGE2};
};

}  // namespace

TEST_F(PropertySheetTest, OkExchangesOnlyShownPagesAndCallsTheirOk) {
    CPropertySheet sheet("Sheet");
    m_first.m_strText = "one";
    m_second.m_strText = "two";
    sheet.AddPage(&m_first);
    sheet.AddPage(&m_second);
    Open(sheet, [&](CPropertySheet& s) {
        EXPECT_EQ(s.GetActiveIndex(), 0);
        EXPECT_EQ(s.GetTabControl()->GetItemText(0), "First");
        EXPECT_EQ(s.GetTabControl()->GetItemText(1), "Second");
        EXPECT_EQ(m_second.m_hWnd, nullptr);
        EXPECT_EQ(m_first.GetDlgItemText(IDC_PAGE_TEXT), "one");
        m_first.SetDlgItemText(IDC_PAGE_TEXT, "changed");
        s.SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(m_first.m_strText, "changed");
    EXPECT_EQ(m_second.m_strText, "two");  // never shown: as given
    EXPECT_EQ(m_first.m_nOK, 1);
    EXPECT_EQ(m_second.m_nOK, 0);
}

TEST_F(PropertySheetTest, FailedCheckKeepsThePageOnTabChangeAndOk) {
    CPropertySheet sheet("Sheet", nullptr, 1);
    sheet.AddPage(&m_first);
    sheet.AddPage(&m_second);
    Open(sheet, [&](CPropertySheet& s) {
        EXPECT_EQ(s.GetActiveIndex(), 1);
        m_second.SetDlgItemText(IDC_PAGE_TEXT, "bad");
        ClickTab(s, 0);
        EXPECT_EQ(s.GetActiveIndex(), 1);
        s.SendMessage(WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(s.IsModal());
        m_second.SetDlgItemText(IDC_PAGE_TEXT, "good");
        ClickTab(s, 0);
        EXPECT_EQ(s.GetActiveIndex(), 0);
        EXPECT_TRUE(::IsWindowVisible(m_first.m_hWnd));
        EXPECT_FALSE(::IsWindowVisible(m_second.m_hWnd));
        s.SendMessage(WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(m_second.m_strText, "good");  // taken when the page was left
    EXPECT_EQ(m_first.m_nCancel, 1);
    EXPECT_EQ(m_second.m_nCancel, 1);
}

TEST_F(PropertySheetTest, UnknownCommandGoesToActivePageAndPageEndsSheet) {
    CPropertySheet sheet("Sheet");
    sheet.AddPage(&m_first);
    Open(sheet, [&](CPropertySheet& s) {
        s.SendMessage(WM_COMMAND, MAKEWPARAM(kForeignCommand, BN_CLICKED), 0);
        EXPECT_EQ(m_first.m_nForeign, 1);
        m_first.EndDialog(IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
}

TEST_F(PropertySheetTest, ApplyButtonOnlyWithoutTheFlag) {
    CPropertySheet plain("Sheet");
    plain.AddPage(&m_first);
    Open(plain, [](CPropertySheet& s) { EXPECT_NE(s.GetDlgItem(ID_APPLY_NOW), nullptr); });
    plain.DoModal();

    CTextPage page{IDD_TEST_PAGE1};
    CPropertySheet noApply("Sheet");
    noApply.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    noApply.AddPage(&page);
    Open(noApply, [](CPropertySheet& s) { EXPECT_EQ(::GetDlgItem(s.m_hWnd, ID_APPLY_NOW), nullptr); });
    noApply.DoModal();
}

TEST_F(PropertySheetTest, EnterPressesButtonsBreaksLinesElseOk) {
    CPropertySheet sheet("Sheet");
    sheet.AddPage(&m_first);
    Open(sheet, [&](CPropertySheet& s) {
        ::SetFocus(::GetDlgItem(m_first.m_hWnd, IDC_PAGE_BUTTON));
        EXPECT_TRUE(PressKeyIn(s, VK_RETURN));
        EXPECT_EQ(m_first.m_nPressed, 1);
        EXPECT_TRUE(s.IsModal());

        ::SetFocus(::GetDlgItem(m_first.m_hWnd, IDC_PAGE_NOTES));
        EXPECT_FALSE(PressKeyIn(s, VK_RETURN));
        EXPECT_EQ(m_first.GetDlgItemText(IDC_PAGE_NOTES), "\r\n");

        ::SetFocus(::GetDlgItem(m_first.m_hWnd, IDC_PAGE_TEXT));
        EXPECT_TRUE(PressKeyIn(s, VK_RETURN));
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
}

TEST_F(PropertySheetTest, PagesSitInsideTheTabAndReopen) {
    CPropertySheet sheet("Sheet");
    sheet.AddPage(&m_first);
    sheet.AddPage(&m_second);
    for (int nRun = 0; nRun < 2; ++nRun) {
        Open(sheet, [&](CPropertySheet& s) {
            ClickTab(s, 1);
            RECT rcTab, rcPage;
            s.GetTabControl()->GetWindowRect(&rcTab);
            m_second.GetWindowRect(&rcPage);
            EXPECT_GE(rcPage.left, rcTab.left);
            EXPECT_LE(rcPage.right, rcTab.right);
            EXPECT_LE(rcPage.bottom, rcTab.bottom);
            s.SendMessage(WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ(sheet.DoModal(), IDOK);
        EXPECT_EQ(m_second.m_hWnd, nullptr);
    }
}
