// Cancel in the printing box at the two ends of a print, and what the box
// offers while the printer finishes the document.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "framework/win/PrintDialog.h"
#include "framework/win/StdIds.h"
#include "framework/win/WinMessages.h"
#include "tests/framework_win/WinTestSupport.h"
#include "tests/print/PrintFixture.h"
#include "tests/support/PrintedPdfs.h"
#include "tests/support/PrintingBox.h"

namespace {

// The user's Cancel, queued the moment the printing box becomes active.
LRESULT CALLBACK CancelOnActivate(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_ACTIVATE && reinterpret_cast<HWND>(wParam) == FindPrintingBox())
        PostCancel(reinterpret_cast<HWND>(wParam));
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// The printing box's page line and Cancel as the user last saw them before
// the box went. Looked at from a thread of its own, because the printing
// thread takes no messages while the printer finishes the document.
struct LastSightOfTheBox {
    std::string page;
    bool bCancelEnabled = false;
    std::atomic<bool> bStop{false};
    std::thread watcher{[this] {
        for (HWND hPage = nullptr, hCancel = nullptr; !bStop; ::Sleep(1)) {
            if (!::IsWindow(hPage) || !::IsWindow(hCancel)) {
                HWND hBox = FindPrintingBox();
                hPage = ::GetDlgItem(hBox, CPrintingDialog::IDC_PRINTING_PAGE);
                hCancel = ::GetDlgItem(hBox, IDCANCEL);
            }
            const bool bEnabled = ::IsWindowEnabled(hCancel);
            WCHAR text[64] = L"";  // read without a message to the busy thread
            ::InternalGetWindowText(hPage, text, 64);
            // Both still there after the reads: neither read saw the box go.
            if (*text && ::IsWindow(hPage) && ::IsWindow(hCancel)) {
                page.assign(text, text + lstrlenW(text));
                bCancelEnabled = bEnabled;
            }
        }
    }};
    void Stop() {
        bStop = true;
        if (watcher.joinable()) watcher.join();
    }
    ~LastSightOfTheBox() { Stop(); }
};

}  // namespace

TEST_F(PrintTest, ACancelAsTheBoxAppearsIsNoFailureAndLeavesNoFile) {
    SKIP_WITHOUT_PRINTER();
    HHOOK hHook = ::SetWindowsHookExA(WH_CBT, CancelOnActivate, nullptr, ::GetCurrentThreadId());
    MessageBoxScript boxes;
    CString file = NewFile("at-once");
    QueuePrintToFile(file);
    Command(ID_FILE_PRINT);
    ::UnhookWindowsHookEx(hHook);
    EXPECT_EQ(boxes.texts, std::vector<std::string>());
    EXPECT_TRUE(m_pView->m_pages.empty());
    EXPECT_EQ(ReadFile(file).size(), 0u);  // no file, or nothing in it
}

TEST_F(PrintTest, ACancelClickedWhileTheLastPagePrintsLeavesNoFile) {
    SKIP_WITHOUT_PRINTER();
    m_pView->m_nCancelAtPage = 3;
    m_pView->m_bPostCancel = TRUE;
    MessageBoxScript boxes;
    CString file = NewFile("last-page");
    QueuePrintToFile(file);
    Command(ID_FILE_PRINT);
    EXPECT_EQ(m_pView->m_boxPages, std::vector<std::string>({"Page 1", "Page 2", "Page 3"}));
    EXPECT_EQ(boxes.texts, std::vector<std::string>());
    EXPECT_EQ(ReadFile(file).size(), 0u);  // no file, or nothing in it
}

TEST_F(PrintTest, WhileThePrinterFinishesTheDocumentTheBoxSaysSoAndOffersNoCancel) {
    SKIP_WITHOUT_PRINTER();
    printed::PrintWatch watch;
    LastSightOfTheBox sight;
    CPrintDialog::SetTestHook([](CPrintDialog&) -> INT_PTR { return IDOK; });
    Command(ID_FILE_PRINT);
    sight.Stop();
    EXPECT_EQ(sight.page, WinMsg::kPrintingFinishing);
    EXPECT_FALSE(sight.bCancelEnabled);
    // The print comes out whole all the same.
    EXPECT_NE(watch.WaitForPrint(), "") << watch.Problem();
}
