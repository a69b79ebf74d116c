// Start-up: the test program starts the application once, as the program
// does, with a file that is not a job on its command line; these tests look
// at what start-up left behind, then drive the main window.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/AboutDlg.h"
#include "app/MainFrame.h"
#include "app/SplashWnd.h"
#include "framework/core/MessageBox.h"
#include "framework/win/Dialog.h"
#include "model/CorvDoc.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

struct StartUpRecord {
    std::string iniPath;
    std::string notAJobPath;
    BOOL result = FALSE;
    std::vector<std::string> messages;
    // Taken when the command-line job's open spoke up.
    int paymentEntriesAtOpen = -1;
    std::string dtaFolderAtOpen;
    size_t jobsAfterStartUp = 99;
    bool splashAfterStartUp = false;
};

StartUpRecord g_startUp;
char g_cmdLine[MAX_PATH * 2];

class AppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        CCorvApp& app = TestApp();
        g_startUp.iniPath = UseFreshProfile("startup.ini");
        g_startUp.notAJobPath = TestDir() + "not a job.job";
        // Another program's file: its first text reads, but is not a job's.
        WriteFileBytes(g_startUp.notAJobPath,
                       "Just some text, not a job, long enough for its first byte to count "
                       "as the length of a text that is read whole.");
        // The shell quotes a path with blanks.
        std::snprintf(g_cmdLine, sizeof g_cmdLine, "\"%s\"", g_startUp.notAJobPath.c_str());
        app.m_lpCmdLine = g_cmdLine;

        MessageBoxHook previous = AfxSetMessageBoxHook([&app](const char* text, UINT) {
            g_startUp.messages.push_back(text);
            g_startUp.paymentEntriesAtOpen = app.m_arrChoice[kChoicePayment].GetSize();
            g_startUp.dtaFolderAtOpen = app.m_strDtaFolder.GetString();
            return IDOK;
        });
        g_startUp.result = app.InitInstance();
        AfxSetMessageBoxHook(std::move(previous));
        g_startUp.jobsAfterStartUp = OpenJobs().size();
        g_startUp.splashAfterStartUp = CSplashWnd::c_pSplashWnd != nullptr;
        app.m_lpCmdLine = nullptr;
    }

    void TearDown() override {
        CloseAllJobs();
        if (CWnd* pMain = AfxGetMainWnd()) pMain->DestroyWindow();
        RemoveTestDir();
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new AppEnvironment);

CMainFrame* MainFrame() { return static_cast<CMainFrame*>(AfxGetMainWnd()); }

}  // namespace

TEST(StartUp, ShowsTheMainWindowMaximizedWithItsSplashAndNoJob) {
    ASSERT_TRUE(g_startUp.result);
    ASSERT_NE(MainFrame(), nullptr);
    EXPECT_TRUE(MainFrame()->IsWindowVisible());
    EXPECT_TRUE(MainFrame()->IsZoomed());
    EXPECT_EQ(g_startUp.jobsAfterStartUp, 0u);
    EXPECT_TRUE(g_startUp.splashAfterStartUp);

    // Menu 2: File, View, Options, Help.
    HMENU menu = ::GetMenu(MainFrame()->m_hWnd);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 4);
    char title[64] = "";
    ::GetWindowTextA(MainFrame()->m_hWnd, title, sizeof title);
    EXPECT_STREQ(title, "Corvantis Zoro");
}

TEST(StartUp, ReadsSettingsAndChoiceListsBeforeOpeningTheCommandLineJob) {
    // The quoted path reached the document whole and without its quotes.
    ASSERT_EQ(g_startUp.messages.size(), 1u);
    EXPECT_EQ(g_startUp.messages[0],
              "Can NOT open " + g_startUp.notAJobPath + "\n\nThis is NOT a current job file.");
    EXPECT_EQ(g_startUp.paymentEntriesAtOpen, 2);
    EXPECT_EQ(g_startUp.dtaFolderAtOpen, "C:\\Corvantis\\CorvantisZoro\\DTA Files\\");
}

TEST(StartUp, FirstRunWritesDefaultsLetterheadBillToAndTheFortyLists) {
    const IniFile ini = ReadIni(g_startUp.iniPath);
    std::vector<std::string> expected = {"Defaults", "Quotation", "BillTo"};
    for (const ChoiceListInfo& info : ChoiceListsInLoadOrder()) expected.push_back(info.section);
    EXPECT_EQ(ini.SectionNames(), expected);

    const IniSection* defaults = ini.Find("Defaults");
    ASSERT_NE(defaults, nullptr);
    EXPECT_EQ(defaults->KeyNames(),
              (std::vector<std::string>{
                  "Country",       "Packaging",       "Payment",         "Shipping",      "Freight",
                  "PreparedBy",    "PreparedByTitle", "PreparedByEmail", "1stCC",         "1stCCTitle",
                  "2ndCC",         "2ndCCTitle",      "Validity",        "Status",        "LastUpdatedBy",
                  "Introduction",  "QuoteNotes",      "Terms",           "IntroFileName", "NotesFileName",
                  "TermsFileName", "ProjectType",     "SalesRegion",     "Initials",      "QuoteType",
                  "MarketingGroup"}));
    EXPECT_EQ(defaults->Value("Packaging"), "Standard Packaging");
    EXPECT_EQ(defaults->Value("Country"), "");
    EXPECT_EQ(defaults->Value("TermsFileName"), "Terms");
    EXPECT_EQ(defaults->Value("Introduction"), "We are pleased to propose the following:");

    const IniSection* quotation = ini.Find("Quotation");
    ASSERT_NE(quotation, nullptr);
    EXPECT_EQ(quotation->KeyNames(),
              (std::vector<std::string>{"Company", "Address", "PhoneNo", "FooterLn1", "FooterLn2"}));
    EXPECT_EQ(quotation->Value("Company"), "Wexmoor");

    const IniSection* billTo = ini.Find("BillTo");
    ASSERT_NE(billTo, nullptr);
    EXPECT_EQ(billTo->KeyNames(),
              (std::vector<std::string>{"Name", "AddressLn1", "AddressLn2", "City", "State", "Zip", "Attn"}));
    EXPECT_EQ(billTo->Value("State"), "BT");

    for (const ChoiceListInfo& info : ChoiceListsInLoadOrder()) {
        const IniSection* list = ini.Find(info.section);
        ASSERT_NE(list, nullptr) << info.section;
        const CStringArray builtIn = BuiltInChoices(info.section);
        ASSERT_EQ(list->keys.size(), static_cast<size_t>(builtIn.GetSize())) << info.section;
        for (int i = 0; i < builtIn.GetSize(); ++i) {
            EXPECT_EQ(list->keys[i].first, std::string(info.section) + std::to_string(i + 1));
            EXPECT_EQ(list->keys[i].second, builtIn[i].GetString());
        }
    }
    EXPECT_EQ(ini.Find("TermsFileName")->Value("TermsFileName1"), "Terms");
}

TEST(CommandLine, OpensAJobPathQuotedOrNot) {
    const std::string path = TestDir() + "command line job.job";
    WriteJobFile(path, "From the command line");
    MessageBoxRecorder boxes;

    TestApp().OpenCommandLineJob(("\"" + path + "\"").c_str());
    ASSERT_EQ(OpenJobs().size(), 1u);
    EXPECT_EQ(OpenJobs()[0]->GetProject(), "From the command line");
    EXPECT_STREQ(OpenJobs()[0]->GetPathName(), path.c_str());
    CloseAllJobs();

    TestApp().OpenCommandLineJob(("  " + path + " ").c_str());
    ASSERT_EQ(OpenJobs().size(), 1u);
    EXPECT_EQ(OpenJobs()[0]->GetProject(), "From the command line");
    CloseAllJobs();
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(CommandLine, AnEmbeddingSwitchOrNothingOpensNothing) {
    MessageBoxRecorder boxes;
    for (const char* line : {"", "   ", "-Embedding", "/Embedding", "-e", "/E"}) {
        TestApp().OpenCommandLineJob(line);
        EXPECT_TRUE(OpenJobs().empty()) << line;
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(MainFrame, HasTheToolbarButtonsAndStatusPanesInOrder) {
    const std::vector<UINT> expected = {ID_FILE_NEW,
                                        ID_FILE_OPEN,
                                        ID_FILE_SAVE,
                                        0,
                                        ID_EDIT_CUT,
                                        ID_EDIT_COPY,
                                        ID_EDIT_PASTE,
                                        0,
                                        ID_EDIT_CUT_LINE,
                                        ID_EDIT_COPY_LINE,
                                        ID_EDIT_PASTE_LINE,
                                        ID_EDIT_INSERT_LINE,
                                        0,
                                        ID_VIEW_PROJECT,
                                        ID_VIEW_DETAIL,
                                        ID_VIEW_LINE,
                                        ID_VIEW_WORDS,
                                        ID_VIEW_SELECT,
                                        0,
                                        ID_OPTIONS_FONT,
                                        ID_OPTIONS_ARROW_CONTROL,
                                        0,
                                        ID_FILE_PRINT,
                                        ID_FILE_PRINT_PREVIEW,
                                        0,
                                        ID_APP_ABOUT};
    CToolBar& toolBar = MainFrame()->m_wndToolBar;
    ASSERT_EQ(toolBar.GetCount(), static_cast<int>(expected.size()));
    for (int i = 0; i < toolBar.GetCount(); ++i) EXPECT_EQ(toolBar.GetItemID(i), expected[i]) << i;
    EXPECT_TRUE(toolBar.IsWindowVisible());

    CStatusBar& statusBar = MainFrame()->m_wndStatusBar;
    ASSERT_EQ(statusBar.GetCount(), 4);
    EXPECT_EQ(statusBar.GetItemID(0), static_cast<UINT>(ID_SEPARATOR));
    EXPECT_EQ(statusBar.GetItemID(1), static_cast<UINT>(ID_INDICATOR_CAPS));
    EXPECT_EQ(statusBar.GetItemID(2), static_cast<UINT>(ID_INDICATOR_NUM));
    EXPECT_EQ(statusBar.GetItemID(3), static_cast<UINT>(ID_INDICATOR_SCRL));
}

TEST(Splash, GoesAfterItsTimer) {
    PumpMessages(1200);  // the one shown at start-up goes too
    ASSERT_EQ(CSplashWnd::c_pSplashWnd, nullptr);

    CSplashWnd::EnableSplashScreen(TRUE);
    CSplashWnd::ShowSplashScreen(MainFrame());
    ASSERT_NE(CSplashWnd::c_pSplashWnd, nullptr);
    HWND splash = CSplashWnd::c_pSplashWnd->m_hWnd;
    EXPECT_TRUE(IsWindowVisible(splash));
    RECT rc;
    GetWindowRect(splash, &rc);
    EXPECT_EQ(rc.right - rc.left, 360);  // the size of its bitmap
    EXPECT_EQ(rc.bottom - rc.top, 200);

    PumpMessages(300);
    EXPECT_NE(CSplashWnd::c_pSplashWnd, nullptr);
    PumpMessages(900);
    EXPECT_EQ(CSplashWnd::c_pSplashWnd, nullptr);
    EXPECT_FALSE(IsWindow(splash));
}

TEST(Splash, TheFirstKeyOrButtonPressHidesItAndIsConsumed) {
    for (UINT message : {WM_KEYDOWN, WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN,
                         WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN}) {
        CSplashWnd::ShowSplashScreen(MainFrame());
        ASSERT_NE(CSplashWnd::c_pSplashWnd, nullptr);

        MSG other{MainFrame()->m_hWnd, WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
        EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(&other));
        EXPECT_NE(CSplashWnd::c_pSplashWnd, nullptr);

        MSG press{MainFrame()->m_hWnd, message, 'A', 0, 0, {0, 0}};
        EXPECT_TRUE(TestApp().PreTranslateMessage(&press)) << message;
        EXPECT_EQ(CSplashWnd::c_pSplashWnd, nullptr) << message;
    }
    // Without a splash window a key press goes its normal way.
    MSG press{MainFrame()->m_hWnd, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(&press));
}

TEST(About, ShowsTheProgramsNameVersionAndMaker) {
    std::string caption, version, by, maker;
    CDialog::SetTestHook([&](CDialog& dlg) {
        caption = dlg.GetWindowText().GetString();
        version = dlg.GetDlgItemText(IDC_ABOUT_VERSION).GetString();
        by = dlg.GetDlgItemText(IDC_ABOUT_BY).GetString();
        maker = dlg.GetDlgItemText(IDC_ABOUT_MAKER).GetString();
        dlg.SendMessage(WM_COMMAND, IDOK);
    });
    TestApp().OnAppAbout();
    EXPECT_EQ(CDialog::PendingTestHooks(), 0);
    EXPECT_EQ(caption, "Corvantis");
    EXPECT_EQ(version, "Corvantis Zoro Version 6.0");
    EXPECT_EQ(by, "By:");
    EXPECT_EQ(maker, "Wexmoor");
}
