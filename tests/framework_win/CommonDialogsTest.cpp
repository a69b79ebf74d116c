// What the program shares with every Windows program: message boxes carry
// the application's title, and the Open and Save As dialogs start in the
// user's documents rather than in the folder the program was started from.
#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <atomic>
#include <string>
#include <thread>

#include "framework/core/MessageBox.h"
#include "framework/win/App.h"
#include "framework/win/FileDialog.h"
#include "tests/framework_win/WinTestSupport.h"

namespace {

struct FoundBox {
    DWORD process;
    std::string caption;
    HWND hWnd = nullptr;
};

BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam) {
    auto* found = reinterpret_cast<FoundBox*>(lParam);
    DWORD process = 0;
    ::GetWindowThreadProcessId(hWnd, &process);
    char cls[32] = "";
    ::GetClassNameA(hWnd, cls, sizeof cls);
    if (process != found->process || std::string(cls) != "#32770" || !::IsWindowVisible(hWnd)) return TRUE;
    char caption[256] = "";
    ::GetWindowTextA(hWnd, caption, sizeof caption);
    found->caption = caption;
    found->hWnd = hWnd;
    return FALSE;
}

CString DocumentsFolder() {
    char folder[MAX_PATH] = "";
    ::SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder);
    return folder;
}

class FileDialogStart : public ::testing::Test {
protected:
    void SetUp() override { CFileDialog::ForgetLastFolder(); }
    void TearDown() override {
        CFileDialog::ClearTestHooks();
        CFileDialog::ForgetLastFolder();
    }
    // The folder the dialog would open in, and the user's choice.
    CString StartOf(BOOL bOpen, LPCSTR lpszName, LPCSTR lpszChoose = nullptr) {
        CString start = "(none)";
        CFileDialog::SetTestHook([&](CFileDialog& dlg) -> INT_PTR {
            if (dlg.m_ofn.lpstrInitialDir) start = dlg.m_ofn.lpstrInitialDir;
            if (!lpszChoose) return IDCANCEL;
            dlg.SetPathNameForTest(lpszChoose);
            return IDOK;
        });
        CFileDialog dlg(bOpen, "job", lpszName);
        dlg.DoModal();
        return start;
    }
};

}  // namespace

TEST(MessageBoxTitle, IsTheApplicationsTitleNotTheExecutablesName) {
    EXPECT_STREQ(AfxGetApp()->m_pszAppName, "Corv Window Tests");
    EXPECT_STREQ(AfxGetMessageBoxTitle(), "Corv Window Tests");

    // The real box, closed by a helper thread once it has read the caption.
    FoundBox found{::GetCurrentProcessId(), ""};
    std::atomic<bool> done{false};
    std::thread closer([&] {
        for (int i = 0; i < 200 && !found.hWnd; ++i) {
            ::Sleep(25);
            ::EnumWindows(FindBox, reinterpret_cast<LPARAM>(&found));
        }
        if (found.hWnd) ::PostMessageA(found.hWnd, WM_COMMAND, IDOK, 0);
        done = true;
    });
    const int answer = CorvPlatformMessageBox("Is the title right?", MB_OK);
    closer.join();
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(found.caption, "Corv Window Tests");
}

TEST_F(FileDialogStart, WithoutAFolderOpenAndSaveAsStartInTheDocumentsFolder) {
    const CString documents = DocumentsFolder();
    ASSERT_FALSE(documents.IsEmpty());
    EXPECT_EQ(StartOf(TRUE, nullptr), documents);
    EXPECT_EQ(StartOf(FALSE, "Untitled"), documents);
    EXPECT_NE(::GetFileAttributesA(documents), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FileDialogStart, AFileChosenMakesItsFolderTheNextStartAndANamedFolderWins) {
    EXPECT_EQ(StartOf(TRUE, "", "C:\\jobs\\plant\\east.job"), DocumentsFolder());
    EXPECT_EQ(StartOf(FALSE, "Untitled"), "C:\\jobs\\plant");
    // A cancelled dialog leaves the start where it was.
    EXPECT_EQ(StartOf(TRUE, nullptr), "C:\\jobs\\plant");
    // A job that has a file opens Save As in that file's folder.
    EXPECT_EQ(StartOf(FALSE, "D:\\other\\west.job"), "(none)");
}
