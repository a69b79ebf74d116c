// Dialogs from a resource template: data exchange both ways, checks that
// stop OK, control notifications, subclassed controls and the test hook.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/win/Controls.h"
#include "framework/win/DataExchange.h"
#include "framework/win/Dialog.h"
#include "framework/win/MessageMap.h"
#include "tests/framework_win/TestIds.h"
#include "tests/framework_win/WinTestSupport.h"
#include "tests/support/TypeKeys.h"

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

// Writes its texts back on every change of the name or the count, as
// dialogs that keep other fields in step with an entry do.
class CEchoDlg : public CTestDlg {
public:
    int m_nChanges = 0;
    void OnChangeEntry() {
        if (m_bWriting) return;
        ++m_nChanges;
        UpdateData(TRUE);
        m_bWriting = true;
        UpdateData(FALSE);
        m_bWriting = false;
    }
    BOOL OnInitDialog() override {
        m_bWriting = true;
        const BOOL result = CTestDlg::OnInitDialog();
        m_bWriting = false;
        return result;
    }
    bool m_bWriting = false;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEchoDlg, CTestDlg)
    ON_EN_CHANGE(IDC_NAME, &CEchoDlg::OnChangeEntry)
    ON_EN_CHANGE(IDC_COUNT, &CEchoDlg::OnChangeEntry)
END_MESSAGE_MAP()

// A top-level window away from the screen's corner, to own dialogs.
class OwnerWindow {
public:
    OwnerWindow() {
        m_hWnd = ::CreateWindowExA(0, "STATIC", "Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 300, 200, 640,
                                   480, nullptr, nullptr, nullptr, nullptr);
        m_wnd.Attach(m_hWnd);
    }
    ~OwnerWindow() {
        m_wnd.Detach();
        ::DestroyWindow(m_hWnd);
    }
    CWnd* Wnd() { return &m_wnd; }
    CRect Rect() const {
        CRect rc;
        ::GetWindowRect(m_hWnd, &rc);
        return rc;
    }

private:
    HWND m_hWnd;
    CWnd m_wnd;
};

CPoint CentreOf(const CRect& rc) { return CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2); }

class CPlacedDlg : public CDialog {
public:
    explicit CPlacedDlg(CWnd* pParent) : CDialog(static_cast<UINT>(IDD_TEST_PLACED), pParent) {}
};

// Puts itself at a place of its own while starting.
class CSelfPlacingDlg : public CDialog {
public:
    explicit CSelfPlacingDlg(CWnd* pParent) : CDialog(static_cast<UINT>(IDD_TEST), pParent) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetWindowPos(nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
};

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

TEST_F(DialogTest, TypingKeyByKeyIntoAnEntryThatIsWrittenBackOnEveryChange) {
    MessageBoxScript boxes;
    CEchoDlg dlg;
    std::string name, count;
    int nCaret = -1;
    CDialog::SetTestHook([&](CDialog& d) {
        TypeKeys(::GetDlgItem(d.m_hWnd, IDC_NAME), "AP-PN315");
        name = WindowText(::GetDlgItem(d.m_hWnd, IDC_NAME));
        DWORD end = 0;
        d.SendDlgItemMessage(IDC_NAME, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
        nCaret = static_cast<int>(end);
        d.SendDlgItemMessage(IDC_COUNT, EM_SETSEL, 0, -1);  // typed over, never empty
        TypeKeys(::GetDlgItem(d.m_hWnd, IDC_COUNT), "42");
        count = WindowText(::GetDlgItem(d.m_hWnd, IDC_COUNT));
        Click(d, IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(name, "AP-PN315");
    EXPECT_EQ(nCaret, 8);
    EXPECT_EQ(count, "42");
    EXPECT_EQ(dlg.m_strName, "AP-PN315");
    EXPECT_EQ(dlg.m_nCount, 42);
    EXPECT_GE(dlg.m_nChanges, 10);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(DialogTest, WritingBackAChangedValueStillReachesTheControl) {
    CEchoDlg dlg;
    std::string shown;
    CDialog::SetTestHook([&](CDialog& d) {
        auto& echo = static_cast<CEchoDlg&>(d);
        echo.m_strName = "replaced";
        echo.UpdateData(FALSE);
        shown = WindowText(::GetDlgItem(d.m_hWnd, IDC_NAME));
    });
    dlg.DoModal();
    EXPECT_EQ(shown, "replaced");
}

TEST_F(DialogTest, ADialogItsTemplateDoesNotPlaceOpensCentredOnItsOwner) {
    OwnerWindow owner;
    CRect rcDlg;
    CDialog::SetTestHook([&](CDialog& d) { ::GetWindowRect(d.m_hWnd, &rcDlg); });
    CDialog centred(static_cast<UINT>(IDD_TEST), owner.Wnd());
    centred.DoModal();
    const CPoint want = CentreOf(owner.Rect()), got = CentreOf(rcDlg);
    EXPECT_LE(std::abs(got.x - want.x), 1) << got.x << " " << want.x;
    EXPECT_LE(std::abs(got.y - want.y), 1) << got.y << " " << want.y;
}

TEST_F(DialogTest, ADialogPlacedByItsTemplateOrByItselfStaysThere) {
    OwnerWindow owner;
    CRect rcPlaced, rcSelf;
    CDialog::SetTestHook([&](CDialog& d) { ::GetWindowRect(d.m_hWnd, &rcPlaced); });
    CDialog::SetTestHook([&](CDialog& d) { ::GetWindowRect(d.m_hWnd, &rcSelf); });
    CPlacedDlg placed(owner.Wnd());
    placed.DoModal();
    CSelfPlacingDlg self(owner.Wnd());
    self.DoModal();

    // Template units from the owner's client origin: 30, 20 is right of and
    // below it, nowhere near the centre.
    POINT origin{0, 0};
    ::ClientToScreen(owner.Wnd()->m_hWnd, &origin);
    EXPECT_GT(rcPlaced.left, origin.x);
    EXPECT_GT(rcPlaced.top, origin.y);
    EXPECT_LT(rcPlaced.left, origin.x + 100);
    EXPECT_LT(rcPlaced.top, origin.y + 100);
    EXPECT_EQ(rcSelf.left, 40);
    EXPECT_EQ(rcSelf.top, 50);
}
