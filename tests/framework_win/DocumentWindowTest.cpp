// Documents in child windows: titles of new documents, several windows on
// one document, the save question on closing, Save As and a failed save.
#include <gtest/gtest.h>

#include "framework/core/CoreMessages.h"
#include "framework/core/File.h"
#include "framework/win/FileDialog.h"
#include "framework/win/Menu.h"
#include "framework/win/RecentFileList.h"
#include "tests/framework_win/MdiFixture.h"
#include "tests/framework_win/TestIds.h"
#include "tests/framework_win/WinTestSupport.h"

namespace {

CString ReadFile(const CString& path) {
    CString text;
    HANDLE h = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    char buf[4096];
    DWORD n = 0;
    ::ReadFile(h, buf, sizeof buf, &n, nullptr);
    ::CloseHandle(h);
    return CString(buf, static_cast<int>(n));
}

CFrameWnd* FrameOf(CDocument* pDoc, size_t i = 0) { return pDoc->GetViews().at(i)->GetParentFrame(); }

// The file dialog's answer: remembers what it proposed and chooses path.
struct FileDialogScript {
    CString proposed;
    explicit FileDialogScript(const CString& path, INT_PTR result = IDOK) {
        CFileDialog::SetTestHook([this, path, result](CFileDialog& dlg) {
            proposed = dlg.GetInitialFileName();
            dlg.SetPathNameForTest(path);
            return result;
        });
    }
};

// Saves pDoc as path with "old contents"; what the file then holds.
CString SaveOldContents(CWnd* pMain, CTestDoc* pDoc, const CString& path) {
    pDoc->m_strText = "old contents";
    FileDialogScript files(path);
    pMain->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS);
    return ReadFile(path);
}

// The system refuses every write as a full disk does, with this error.
DWORD g_nFullDiskError = ERROR_DISK_FULL;
BOOL WINAPI WriteOntoAFullDisk(HANDLE, LPCVOID, DWORD, LPDWORD pWritten, LPOVERLAPPED) {
    if (pWritten) *pWritten = 0;
    ::SetLastError(g_nFullDiskError);
    return FALSE;
}

// The files beside path whose names begin with its own and a dot.
std::vector<std::string> FilesBeside(const CString& path) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE hFind = ::FindFirstFileA(path + ".*", &found);
    if (hFind == INVALID_HANDLE_VALUE) return names;
    const CString name = path.Mid(path.ReverseFind('\\') + 1);
    do
        if (name.CompareNoCase(found.cFileName) != 0) names.push_back(found.cFileName);
    while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
    return names;
}

}  // namespace

TEST_F(MdiTest, NewDocumentsAreNumberedAndShownInChildWindows) {
    CTestDoc* pFirst = NewDocument();
    CTestDoc* pSecond = NewDocument();
    EXPECT_EQ(pFirst->GetTitle(), "Unassigned1");
    EXPECT_EQ(pSecond->GetTitle(), "Unassigned2");
    EXPECT_EQ(FrameOf(pSecond)->GetWindowText(), "Unassigned2");
    EXPECT_EQ(m_pMain->MDIGetActive(), FrameOf(pSecond));
    EXPECT_FALSE(pFirst->IsModified());
    // The job window's menu replaces the frame's own while a child is open.
    EXPECT_EQ(::GetMenu(m_pMain->m_hWnd), m_pTemplate->m_hMenuShared);
    EXPECT_EQ(static_cast<CTestView*>(pFirst->GetViews()[0])->m_nUpdates, 1);  // OnInitialUpdate
}

TEST_F(MdiTest, NewWindowShowsTheSameDocumentTwice) {
    CTestDoc* pDoc = NewDocument();
    m_pMain->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    ASSERT_EQ(pDoc->GetViews().size(), 2u);
    CFrameWnd* pFrame1 = FrameOf(pDoc, 0);
    CFrameWnd* pFrame2 = FrameOf(pDoc, 1);
    EXPECT_NE(pFrame1, pFrame2);
    EXPECT_EQ(pFrame1->GetWindowText(), "Unassigned1:1");
    EXPECT_EQ(pFrame2->GetWindowText(), "Unassigned1:2");
    EXPECT_EQ(m_pTemplate->GetDocuments().size(), 1u);

    pDoc->UpdateAllViews(pDoc->GetViews()[0], 15);
    EXPECT_EQ(static_cast<CTestView*>(pDoc->GetViews()[0])->m_lLastHint, 0);  // the sender is skipped
    EXPECT_EQ(static_cast<CTestView*>(pDoc->GetViews()[1])->m_lLastHint, 15);

    // Closing one window of a modified document asks nothing; the other stays.
    pDoc->SetModifiedFlag();
    MessageBoxScript boxes;
    pFrame2->SendMessage(WM_CLOSE);
    EXPECT_TRUE(boxes.texts.empty());
    ASSERT_EQ(pDoc->GetViews().size(), 1u);
    EXPECT_EQ(FrameOf(pDoc)->GetWindowText(), "Unassigned1");
}

// The frame names the active document once, whatever made it active (a new
// document, Ctrl+F6, the Window menu, Ctrl+F4 on another), with its window
// maximized, where the system adds the name in brackets, or not.
TEST_F(MdiTest, TheFrameNamesTheActiveDocumentOnce) {
    // What the frame must read: the active document, named once.
    const auto namedOnce = [&] {
        BOOL bMaximized = FALSE;
        const CString name = m_pMain->MDIGetActive(&bMaximized)->GetWindowText();
        return bMaximized ? "Test Frame - [" + name + "]" : "Test Frame - " + name;
    };
    const auto sysCommand = [&](UINT nCommand) {
        m_pMain->MDIGetActive()->SendMessage(WM_SYSCOMMAND, nCommand);
    };
    CTestDoc* pFirst = NewDocument();
    NewDocument();
    m_pMain->MDIGetActive()->MDIMaximize();
    EXPECT_EQ(m_pMain->GetWindowText(), "Test Frame - [Unassigned2]");
    sysCommand(SC_CLOSE);
    EXPECT_EQ(m_pMain->GetWindowText(), "Test Frame - [Unassigned1]") << "Ctrl+F4, maximized";
    NewDocument();
    EXPECT_EQ(m_pMain->GetWindowText(), namedOnce()) << "new, maximized";
    sysCommand(SC_NEXTWINDOW);
    EXPECT_EQ(m_pMain->GetWindowText(), namedOnce()) << "Ctrl+F6, maximized";
    static_cast<CMDIChildWnd*>(FrameOf(pFirst))->MDIActivate();
    EXPECT_EQ(m_pMain->GetWindowText(), namedOnce()) << "Window menu, maximized";
    m_pMain->MDIGetActive()->MDIRestore();
    EXPECT_EQ(m_pMain->GetWindowText(), "Test Frame - Unassigned1");
    sysCommand(SC_NEXTWINDOW);
    EXPECT_EQ(m_pMain->GetWindowText(), namedOnce()) << "Ctrl+F6";
    sysCommand(SC_CLOSE);
    EXPECT_EQ(m_pMain->GetWindowText(), namedOnce()) << "Ctrl+F4";
    sysCommand(SC_CLOSE);
    EXPECT_EQ(m_pMain->GetWindowText(), "Test Frame");
}

TEST_F(MdiTest, ClosingAskedToSaveCancelAndNo) {
    CTestDoc* pDoc = NewDocument();
    pDoc->SetModifiedFlag();
    {
        MessageBoxScript boxes({IDCANCEL});
        FrameOf(pDoc)->SendMessage(WM_CLOSE);
        ASSERT_EQ(boxes.texts.size(), 1u);
        EXPECT_EQ(boxes.texts[0], "Save changes to Unassigned1?");
        EXPECT_EQ(boxes.styles[0] & 0x0F, static_cast<UINT>(MB_YESNOCANCEL));
    }
    ASSERT_EQ(m_pTemplate->GetDocuments().size(), 1u);  // Cancel: still open
    {
        MessageBoxScript boxes({IDNO});
        m_pMain->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
        EXPECT_EQ(boxes.texts.size(), 1u);
    }
    EXPECT_TRUE(m_pTemplate->GetDocuments().empty());  // No: closed unsaved
    EXPECT_EQ(m_pMain->MDIGetActive(), nullptr);
    EXPECT_EQ(::GetMenu(m_pMain->m_hWnd), m_pMain->m_hMenuDefault);
}

TEST_F(MdiTest, ClosingAskedToSaveYesSavesUnderTheChosenName) {
    const CString savedProfile = theTestApp.m_pszProfileName;
    const CString profile = TestFolder() + "mru.ini";
    ::DeleteFileA(profile);
    theTestApp.SetProfileName(profile);
    theTestApp.LoadStdProfileSettings(4);
    CTestDoc* pDoc = NewDocument();
    pDoc->m_strText = "first job";
    pDoc->SetModifiedFlag();
    CString path = TestFolder() + "yes.tst";
    ::DeleteFileA(path);
    FileDialogScript files(path);
    MessageBoxScript boxes({IDYES});
    m_pMain->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    EXPECT_EQ(files.proposed, "Unassigned1.tst");
    EXPECT_TRUE(m_pTemplate->GetDocuments().empty());
    EXPECT_NE(ReadFile(path).Find("first job"), -1);
    EXPECT_EQ((*theTestApp.GetRecentFileList())[0], path);
    theTestApp.SaveStdProfileSettings();
    EXPECT_EQ(theTestApp.GetProfileString("Recent File List", "File1"), path);

    // The File menu lists it in place of its "Recent File" item.
    HMENU hFile = ::GetSubMenu(::GetMenu(m_pMain->m_hWnd), 0);
    m_pMain->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
    CString item;
    CMenu::FromHandle(hFile)->GetMenuString(ID_FILE_MRU_FILE1, item, MF_BYCOMMAND);
    EXPECT_EQ(item, "&1 " + path);

    // Open again: its title is the file's name; opening it twice finds the open one.
    CDocument* pOpened = theTestApp.OpenDocumentFile("\"" + path + "\"");
    ASSERT_NE(pOpened, nullptr);
    EXPECT_EQ(static_cast<CTestDoc*>(pOpened)->m_strText, "first job");
    EXPECT_EQ(pOpened->GetPathName(), path);
    EXPECT_EQ(theTestApp.OpenDocumentFile(path), pOpened);
    EXPECT_EQ(m_pTemplate->GetDocuments().size(), 1u);

    // A document with a file is asked about under the file's name.
    pOpened->SetModifiedFlag();
    MessageBoxScript closing({IDNO});
    m_pMain->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    ASSERT_EQ(closing.texts.size(), 1u);
    EXPECT_EQ(closing.texts[0].rfind("Save changes to yes", 0), 0u) << closing.texts[0];
    theTestApp.LoadStdProfileSettings(0);
    theTestApp.SetProfileName(savedProfile);
}

TEST_F(MdiTest, ShellKnowsTheFileTypeAndHowToOpenIt) {
    theTestApp.EnableShellOpen();
    theTestApp.RegisterShellFileTypes(FALSE);
    char value[MAX_PATH * 2] = "";
    LONG cb = sizeof value;
    ASSERT_EQ(::RegQueryValueA(HKEY_CLASSES_ROOT, ".tst", value, &cb), ERROR_SUCCESS);
    EXPECT_STREQ(value, "CorvTestFileType");
    cb = sizeof value;
    ASSERT_EQ(::RegQueryValueA(HKEY_CLASSES_ROOT, "CorvTestFileType\\shell\\open\\command", value, &cb),
              ERROR_SUCCESS);
    EXPECT_NE(std::string(value).find("test_framework_win.exe\" \"%1\""), std::string::npos) << value;
    cb = sizeof value;
    ASSERT_EQ(::RegQueryValueA(HKEY_CLASSES_ROOT, "CorvTestFileType", value, &cb), ERROR_SUCCESS);
    EXPECT_STREQ(value, "CorvTest File Type");
}

TEST_F(MdiTest, CancelledSaveAsKeepsTheDocumentOpenAndModified) {
    CTestDoc* pDoc = NewDocument();
    pDoc->SetModifiedFlag();
    FileDialogScript files(TestFolder() + "never.tst", IDCANCEL);
    MessageBoxScript boxes({IDYES});
    FrameOf(pDoc)->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_pTemplate->GetDocuments().size(), 1u);
    EXPECT_TRUE(pDoc->IsModified());
}

TEST_F(MdiTest, SaveAsProposesTheTitleWithoutForbiddenCharacters) {
    CTestDoc* pDoc = NewDocument();
    pDoc->SetTitle("CORV: 1234  --  Quote No: Q/7");
    FileDialogScript files(TestFolder() + "stored.tst");
    m_pMain->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS);
    EXPECT_EQ(files.proposed, "CORV 1234  --  Quote No Q7.tst");
    EXPECT_EQ(pDoc->GetTitle(), "stored.tst");
    EXPECT_EQ(FrameOf(pDoc)->GetWindowText(), "stored.tst");
}

TEST_F(MdiTest, FailedSaveLeavesTheOldFileAndTheDocumentModified) {
    const CString path = TestFolder() + "safe.tst";
    CTestDoc* pDoc = NewDocument();
    const CString before = SaveOldContents(m_pMain, pDoc, path);
    ASSERT_NE(before.Find("old contents"), -1);

    pDoc->m_strText = "new contents";
    pDoc->m_bFailSave = true;
    pDoc->SetModifiedFlag();
    MessageBoxScript boxes;
    m_pMain->SendMessage(WM_COMMAND, ID_FILE_SAVE);
    EXPECT_EQ(boxes.texts.size(), 1u);  // the failure is reported once
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_TRUE(pDoc->IsModified());
    EXPECT_EQ(FilesBeside(path), std::vector<std::string>{});  // nothing left beside it
}

TEST_F(MdiTest, SavingOntoAFullDiskSaysTheDiskIsFull) {
    const CString path = TestFolder() + "full.tst";
    CTestDoc* pDoc = NewDocument();
    const CString before = SaveOldContents(m_pMain, pDoc, path);
    ASSERT_NE(before.Find("old contents"), -1);

    const std::string told = std::string(CoreMsg::kFileDiskFull) + "\n" + path.GetString();
    for (DWORD nError : {ERROR_DISK_FULL, ERROR_HANDLE_DISK_FULL}) {
        pDoc->m_strText = "new contents";
        pDoc->SetModifiedFlag();
        g_nFullDiskError = nError;
        const FileWriteCall previous = CorvSetFileWriteCall(WriteOntoAFullDisk);
        MessageBoxScript boxes;
        m_pMain->SendMessage(WM_COMMAND, ID_FILE_SAVE);
        CorvSetFileWriteCall(previous);
        EXPECT_EQ(boxes.texts, std::vector<std::string>{told}) << nError;
        EXPECT_EQ(ReadFile(path), before);
        EXPECT_TRUE(pDoc->IsModified());
        EXPECT_EQ(FilesBeside(path), std::vector<std::string>{});
    }
}

TEST_F(MdiTest, AFileThatDoesNotOpenLeavesNoWindow) {
    MessageBoxScript boxes;
    EXPECT_EQ(theTestApp.OpenDocumentFile(TestFolder() + "missing.tst"), nullptr);
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_TRUE(m_pTemplate->GetDocuments().empty());
    EXPECT_EQ(m_pMain->MDIGetActive(), nullptr);
}

TEST_F(MdiTest, ClosingTheMainWindowAsksEveryModifiedDocument) {
    CTestDoc* pFirst = NewDocument();
    CTestDoc* pSecond = NewDocument();
    NewDocument();  // unchanged: not asked about
    pFirst->SetModifiedFlag();
    pSecond->SetModifiedFlag();
    {
        MessageBoxScript boxes({IDNO, IDCANCEL});
        m_pMain->SendMessage(WM_CLOSE);
        EXPECT_EQ(boxes.texts,
                  (std::vector<std::string>{"Save changes to Unassigned1?", "Save changes to Unassigned2?"}));
    }
    EXPECT_EQ(m_pTemplate->GetDocuments().size(), 3u);  // Cancel keeps everything
    ASSERT_EQ(theTestApp.m_pMainWnd, m_pMain);
    {
        MessageBoxScript boxes({IDNO, IDNO});
        m_pMain->SendMessage(WM_CLOSE);
        EXPECT_EQ(boxes.texts.size(), 2u);
    }
    EXPECT_TRUE(m_pTemplate->GetDocuments().empty());
    EXPECT_EQ(theTestApp.m_pMainWnd, nullptr);  // the main window is gone
}
