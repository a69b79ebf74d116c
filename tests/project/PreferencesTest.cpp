// Options > Preferences...: OK writes only the settings that changed,
// Cancel writes nothing, the sheet reopens on the page left with OK, and
// the data folder picked with Browse is the one product selection reads,
// the price rules follow the rounding box at once, and a profile that
// cannot be written is reported.
#include <gtest/gtest.h>

#include "app/AppMessages.h"
#include "app/PrefsSheet.h"
#include "framework/win/FileDialog.h"
#include "model/Slots.h"
#include "res/resource.h"
#include "selection/SelSettings.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/project/ProjTestSupport.h"
#include "tests/support/MessageBoxRecorder.h"

using namespace ProjTest;

namespace {

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_strIni = UseFreshProfile("prefs.ini");
        TestApp().ReadSettings();  // a complete profile, as after start-up
        TestApp().m_bDtaFolderChanged = FALSE;
        TestApp().m_nPrefsPage = 0;
    }
    void TearDown() override {
        CDialog::ClearTestHooks();
        CFileDialog::ClearTestHooks();
        UseFreshProfile("editor.ini");
        TestApp().ReadSettings();
    }
    void Run(std::function<void(CPropertySheet&)> fn) {
        OnNextSheet(std::move(fn));
        TestApp().OnOptionsPreferences();
    }
    // Ticks or unticks a check box of the page as a click does.
    static void Toggle(CPropertySheet& sheet, int nPage, int nID) {
        ClickTab(sheet, nPage);
        ::SendMessageA(Item(*sheet.GetPage(nPage), nID), BM_CLICK, 0, 0);
    }
    static void SetCheck(CWnd& page, int nID, bool bChecked) {
        ::SendMessageA(Item(page, nID), BM_SETCHECK, bChecked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    std::string m_strIni;
    MessageBoxRecorder m_boxes;
};

}  // namespace

TEST_F(PreferencesTest, OkWritesOnlyWhatChanged) {
    const std::string strBefore = ReadFileBytes(m_strIni);
    const BOOL bRound = TestApp().m_bRound;
    const CString strFolder = TestApp().m_strDtaFolder;
    Run([&](CPropertySheet& sheet) {
        EXPECT_EQ(::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW) == nullptr ||
                      !::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW)),
                  true);
        CPropertyPage& page = *sheet.GetPage(0);
        // The stored folder typed again without its backslash is no change.
        page.SetDlgItemText(IDC_PREFS_DTA_FOLDER, strFolder.Left(strFolder.GetLength() - 1));
        ClickTab(sheet, 1);
        CPropertyPage& quotation = *sheet.GetPage(1);
        SetCheck(quotation, IDC_PREFS_LOGO_STD, false);  // to Alternate and back
        SetCheck(quotation, IDC_PREFS_LOGO_ALT, true);
        SetCheck(quotation, IDC_PREFS_LOGO_ALT, false);
        SetCheck(quotation, IDC_PREFS_LOGO_STD, true);
        sheet.SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(ReadFileBytes(m_strIni), strBefore);

    Run([&](CPropertySheet& sheet) {
        EXPECT_EQ(sheet.GetActiveIndex(), 1);  // where OK was pressed
        ClickTab(sheet, 0);
        SetCheck(*sheet.GetPage(0), IDC_PREFS_ROUND, !bRound);
        sheet.SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(TestApp().m_bRound, !bRound);
    // The one key written, nothing else touched.
    EXPECT_EQ(ReadFileBytes(m_strIni),
              strBefore + "[Quote Descriptions]\r\nRound=" + (bRound ? "No" : "Yes") + "\r\n");
}

TEST_F(PreferencesTest, CancelWritesNothingAndKeepsThePage) {
    const std::string strBefore = ReadFileBytes(m_strIni);
    Run([&](CPropertySheet& sheet) {
        ClickTab(sheet, 2);
        sheet.SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(TestApp().m_nPrefsPage, 2);
    Run([&](CPropertySheet& sheet) {
        EXPECT_EQ(sheet.GetActiveIndex(), 2);
        SetCheck(*sheet.GetPage(2), IDC_PREFS_POA_ALERT, !TestApp().m_bPOAAlert);
        ClickTab(sheet, 0);
        sheet.GetPage(0)->SetDlgItemText(IDC_PREFS_DTA_FOLDER, "C:\\Elsewhere");
        sheet.SendMessage(WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(TestApp().m_nPrefsPage, 2);
    EXPECT_EQ(ReadFileBytes(m_strIni), strBefore);
    EXPECT_FALSE(TestApp().m_bDtaFolderChanged);
}

TEST_F(PreferencesTest, BrowsedFolderIsWhatTheNextSelectionReads) {
    std::string strInitialDir;
    CFileDialog::SetTestHook([](CFileDialog& dlg) {
        EXPECT_STREQ(dlg.m_ofn.lpstrTitle, "Set the DTA Path by Selecting any DTA File");
        return static_cast<INT_PTR>(IDCANCEL);
    });
    CFileDialog::SetTestHook([&](CFileDialog& dlg) {
        strInitialDir = dlg.m_ofn.lpstrInitialDir ? dlg.m_ofn.lpstrInitialDir : "";
        dlg.SetPathNameForTest("C:\\Valve Data\\New\\Ball.dta");
        return static_cast<INT_PTR>(IDOK);
    });
    const CString strOld = TestApp().m_strDtaFolder;
    std::string strAfterCancel;
    Run([&](CPropertySheet& sheet) {
        CPropertyPage& page = *sheet.GetPage(0);
        Press(page, IDC_PREFS_BROWSE);
        strAfterCancel = Text(page, IDC_PREFS_DTA_FOLDER);
        Press(page, IDC_PREFS_BROWSE);
        EXPECT_EQ(Text(page, IDC_PREFS_DTA_FOLDER), "C:\\Valve Data\\New\\");
        sheet.SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(strAfterCancel, strOld.GetString());
    EXPECT_EQ(strInitialDir, strOld.GetString());
    EXPECT_EQ(TestApp().m_strDtaFolder, "C:\\Valve Data\\New\\");
    EXPECT_TRUE(TestApp().m_bDtaFolderChanged);
    EXPECT_EQ(ReadIni(m_strIni).Find("Folders")->Value("DtaFolder"), "C:\\Valve Data\\New\\");
    const CSelSettings settings = GetSelSettings();
    EXPECT_EQ(settings.strDtaFolder, "C:\\Valve Data\\New\\");
    EXPECT_TRUE(settings.bDtaFolderChanged);
}

TEST_F(PreferencesTest, RoundingAppliesToTheNextPriceWorkedOut) {
    auto net = [] {
        CSlots slots;
        slots.CalcNetFromMult("1000.00", "0.4567", "Net", 10, 2, "Mult");
        CString strValue;
        slots.Lookup("Net", strValue);
        return std::string(strValue.GetString());
    };
    ASSERT_EQ(net(), "457.00");  // Round is on in a fresh profile
    Run([&](CPropertySheet& sheet) {
        Toggle(sheet, 0, IDC_PREFS_ROUND);
        sheet.SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(net(), "456.70");
    Run([&](CPropertySheet& sheet) {
        Toggle(sheet, 0, IDC_PREFS_ROUND);
        sheet.SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(net(), "457.00");
}

TEST_F(PreferencesTest, AProfileThatCannotBeWrittenIsReported) {
    const std::string strBefore = ReadFileBytes(m_strIni);
    // A read-only INI file, which another program also holds open against
    // writing (the attribute alone does not stop the superuser).
    ::SetFileAttributesA(m_strIni.c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE hHeld =
        ::CreateFileA(m_strIni.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    const BOOL bAlert = TestApp().m_bPOAAlert;
    Run([&](CPropertySheet& sheet) {
        Toggle(sheet, 2, IDC_PREFS_POA_ALERT);
        Toggle(sheet, 0, IDC_PREFS_MAXIMIZE);
        sheet.SendMessage(WM_COMMAND, IDOK, 0);
    });
    ::CloseHandle(hHeld);
    ::SetFileAttributesA(m_strIni.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFileBytes(m_strIni), strBefore);
    EXPECT_EQ(TestApp().m_bPOAAlert, !bAlert);  // in force until the program ends
    // One message for the whole sheet, naming the file.
    EXPECT_EQ(m_boxes.Texts(), std::vector<std::string>{std::string(AppMsg::kPrefsNotWritten) + m_strIni +
                                                        AppMsg::kPrefsNotWrittenTail});
}
