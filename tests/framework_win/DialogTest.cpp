// Dialogs from a resource template: data exchange both ways, checks that
// stop OK, control notifications, subclassed controls and the test hook.
#include <gtest/gtest.h>

#include "framework/win/Controls.h"
#include "framework/win/DataExchange.h"
#include "framework/win/Dialog.h"
#include "framework/win/MessageMap.h"
#include "tests/framework_win/TestIds.h"
#include "tests/framework_win/WinTestSupport.h"

namespace {

class CTestDlg : public CDialog {
public:
    CTestDlg() : CDialog(static_cast<UINT>(IDD_TEST)) {}

    CString m_strName;
    int m_nCount = 0;
    CString m_strChoice;
    int m_bFlag = 0;
    int m_nAddClicks = 0;
    CComboBox m_combo;

    BOOL OnInitDialog() override {
        // The list must be there before the exchange selects from it.
        CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_CHOICE));
        pCombo->AddString("Alpha");
        pCombo->AddString("Beta");
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 10);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 0, 100);
        DDX_Control(pDX, IDC_CHOICE, m_combo);
        DDX_CBString(pDX, IDC_CHOICE, m_strChoice);
        DDX_Check(pDX, IDC_FLAG, m_bFlag);
    }
    void OnAdd() { ++m_nAddClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
    ON_BN_CLICKED(IDC_ADD, &CTestDlg::OnAdd)
END_MESSAGE_MAP()

void Click(CDialog& dlg, int nID) {
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                    reinterpret_cast<LPARAM>(::GetDlgItem(dlg.m_hWnd, nID)));
}

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override { CDialog::ClearTestHooks(); }
};

}  // namespace

TEST_F(DialogTest, ExchangeFillsControlsAndReadsThemBack) {
    CTestDlg dlg;
    dlg.m_strName = "abc";
    dlg.m_nCount = 7;
    dlg.m_strChoice = "Beta";
    dlg.m_bFlag = 1;
    bool hookRan = false;
    CDialog::SetTestHook([&](CDialog& d) {
        hookRan = true;
        EXPECT_TRUE(::IsWindowVisible(d.m_hWnd));
        EXPECT_EQ(d.GetDlgItemText(IDC_NAME), "abc");
        EXPECT_EQ(d.GetDlgItemText(IDC_COUNT), "7");
        EXPECT_EQ(d.GetDlgItemText(IDC_CHOICE), "Beta");
        EXPECT_EQ(static_cast<CTestDlg&>(d).m_combo.GetCurSel(), 1);  // subclassed by DDX_Control
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_FLAG), static_cast<UINT>(BST_CHECKED));
        EXPECT_EQ(d.SendDlgItemMessage(IDC_NAME, EM_GETLIMITTEXT), 10);  // DDV_MaxChars limits the edit

        d.SetDlgItemText(IDC_NAME, "Wexmoor");
        d.SetDlgItemText(IDC_COUNT, " 42 ");
        d.SetDlgItemText(IDC_CHOICE, "typed");
        d.CheckDlgButton(IDC_FLAG, BST_UNCHECKED);
        Click(d, IDC_ADD);
        Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(hookRan);
    EXPECT_EQ(dlg.m_strName, "Wexmoor");
    EXPECT_EQ(dlg.m_nCount, 42);
    EXPECT_EQ(dlg.m_strChoice, "typed");
    EXPECT_EQ(dlg.m_bFlag, 0);
    EXPECT_EQ(dlg.m_nAddClicks, 1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);  // the window is gone after DoModal
    EXPECT_EQ(CDialog::PendingTestHooks(), 0);
}

TEST_F(DialogTest, FailedChecksKeepTheDialogOpenAndSayWhy) {
    CTestDlg dlg;
    MessageBoxScript boxes;
    CDialog::SetTestHook([&](CDialog& d) {
        d.SetDlgItemText(IDC_COUNT, "12x");
        Click(d, IDOK);
        EXPECT_TRUE(::IsWindow(d.m_hWnd));  // still open
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, IDC_COUNT));

        d.SetDlgItemText(IDC_COUNT, "101");
        Click(d, IDOK);
        d.SetDlgItemText(IDC_COUNT, "5");
        d.SetDlgItemText(IDC_NAME, "eleven char");
        Click(d, IDOK);
        EXPECT_TRUE(::IsWindow(d.m_hWnd));
        // Left open by the hook: DoModal cancels it.
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(boxes.texts, (std::vector<std::string>{"Please enter an integer.",
                                                     "Please enter an integer between 0 and 100.",
                                                     "Please enter no more than 10 characters."}));
}

TEST_F(DialogTest, HooksAreTakenInOrderByNestedDialogs) {
    // The outer dialog's button opens an inner dialog; each takes the next hook.
    std::vector<std::string> order;
    CTestDlg outer;
    CDialog::SetTestHook([&](CDialog& d) {
        order.push_back("outer");
        CTestDlg inner;
        EXPECT_EQ(inner.DoModal(), IDCANCEL);
        Click(d, IDCANCEL);
    });
    CDialog::SetTestHook([&](CDialog& d) {
        order.push_back("inner");
        EXPECT_FALSE(::IsWindowEnabled(::GetParent(d.m_hWnd)));  // its owner is disabled while it runs
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    EXPECT_EQ(order, (std::vector<std::string>{"outer", "inner"}));
}
