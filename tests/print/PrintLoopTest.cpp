// The print loop: what the view is asked, in which order, with which
// drawing rectangle, and what reaches the printer.
#include <windows.h>

#include <winspool.h>

#include "framework/win/FileDialog.h"
#include "framework/win/PreviewView.h"
#include "framework/win/PrintDialog.h"
#include "framework/win/StdIds.h"
#include "framework/win/WinMessages.h"
#include "tests/framework_win/WinTestSupport.h"
#include "tests/print/PrintFixture.h"
#include "tests/support/PrintedPdfs.h"
#include "tests/support/PrintingBox.h"

using Log = std::vector<std::string>;

namespace {

// The printable area of the default printer in device units and in
// hundredths of an inch (MM_LOENGLISH), as the loop should hand them.
struct PageRects {
    CRect device, logical;
};

PageRects DefaultPageRects(const std::string& printer) {
    PageRects r;
    HDC hIC = ::CreateICA(nullptr, printer.c_str(), nullptr, nullptr);
    r.device.SetRect(0, 0, ::GetDeviceCaps(hIC, HORZRES), ::GetDeviceCaps(hIC, VERTRES));
    r.logical = r.device;
    ::SetMapMode(hIC, MM_LOENGLISH);
    ::DPtoLP(hIC, reinterpret_cast<LPPOINT>(&r.logical), 2);
    ::DeleteDC(hIC);
    return r;
}

}  // namespace

TEST_F(PrintTest, CancellingTheDialogPrintsNothingAndBeginsNothing) {
    SKIP_WITHOUT_PRINTER();
    QueueCancel();
    Command(ID_FILE_PRINT);
    EXPECT_EQ(m_pView->m_log, Log({"prepare"}));
    EXPECT_EQ(CPrintDialog::PendingTestHooks(), 0);
    EXPECT_EQ(CFileDialog::PendingTestHooks(), 0);

    // Cancelling the file name of a print to file stops there too.
    CPrintDialog::SetTestHook([](CPrintDialog& dlg) -> INT_PTR {
        dlg.m_pd.Flags |= PD_PRINTTOFILE;
        return IDOK;
    });
    CFileDialog::SetTestHook([](CFileDialog&) -> INT_PTR { return IDCANCEL; });
    m_pView->m_log.clear();
    Command(ID_FILE_PRINT);
    EXPECT_EQ(m_pView->m_log, Log({"prepare"}));
}

TEST_F(PrintTest, PrintsEveryPageInOrderAndTheFileHoldsTheirTexts) {
    SKIP_WITHOUT_PRINTER();
    CString file = NewFile("three");
    QueuePrintToFile(file);
    Command(ID_FILE_PRINT);

    // The page count is learnt on page 1 (100 before) and read again before each page.
    EXPECT_EQ(m_pView->m_log,
              Log({"prepare", "begin", "dc 1", "print 1", "dc 2", "print 2", "dc 3", "print 3", "end"}));

    // Page 1 gets the printable area in device units; later pages get it
    // in the units the previous page left on the context.
    PageRects rects = DefaultPageRects(DefaultPrinter());
    ASSERT_EQ(m_pView->m_pages.size(), 3u);
    EXPECT_EQ(m_pView->m_pages[0].rectDraw, rects.device);
    EXPECT_EQ(m_pView->m_pages[1].rectDraw, rects.logical);
    EXPECT_EQ(m_pView->m_pages[2].rectDraw, rects.logical);
    EXPECT_LT(rects.logical.bottom, 0);
    EXPECT_FALSE(m_pView->m_pages[0].bPreview);

    std::string ps = ReadFile(file);
    EXPECT_NE(ps.find("%%Pages: 3"), std::string::npos);
    auto pages = PageTexts(file);
    if (!pages) GTEST_SKIP() << "Ghostscript cannot run here";
    ASSERT_EQ(pages->size(), 3u);
    for (UINT n = 1; n <= 3; ++n) EXPECT_EQ((*pages)[n - 1], CPrintTestView::PageText(n).GetString());
}

TEST_F(PrintTest, ClearingContinuePrintingEndsTheRunAndEndPrintingStillRuns) {
    SKIP_WITHOUT_PRINTER();
    m_pView->m_nPageCount = 5;
    m_pView->m_nStopAtPage = 3;
    CString file = NewFile("stopped");
    QueuePrintToFile(file);
    Command(ID_FILE_PRINT);
    EXPECT_EQ(m_pView->m_log, Log({"prepare", "begin", "dc 1", "print 1", "dc 2", "print 2", "dc 3", "end"}));
    EXPECT_NE(ReadFile(file).find("%%Pages: 2"), std::string::npos);

    // Stopped before the first page: the document is still ended, nothing breaks.
    m_pView->m_log.clear();
    m_pView->m_nStopAtPage = 1;
    file = NewFile("none");
    QueuePrintToFile(file);
    Command(ID_FILE_PRINT);
    EXPECT_EQ(m_pView->m_log, Log({"prepare", "begin", "dc 1", "end"}));
}

TEST_F(PrintTest, APageRangeStartsWithDeviceUnitsOnItsFirstPage) {
    SKIP_WITHOUT_PRINTER();
    m_pView->m_nPageCount = 4;
    CString file = NewFile("range");
    QueuePrintToFile(file, nullptr, 2, 3);
    Command(ID_FILE_PRINT);
    EXPECT_EQ(m_pView->m_log, Log({"prepare", "begin", "dc 2", "print 2", "dc 3", "print 3", "end"}));
    PageRects rects = DefaultPageRects(DefaultPrinter());
    ASSERT_EQ(m_pView->m_pages.size(), 2u);
    EXPECT_EQ(m_pView->m_pages[0].rectDraw, rects.device);
    EXPECT_EQ(m_pView->m_pages[1].rectDraw, rects.logical);
    auto pages = PageTexts(file);
    if (!pages) GTEST_SKIP() << "Ghostscript cannot run here";
    EXPECT_EQ(*pages,
              Log({CPrintTestView::PageText(2).GetString(), CPrintTestView::PageText(3).GetString()}));
}

TEST_F(PrintTest, LandscapeSetInBeginPrintingComesOutLandscapeAndIsPutBack) {
    SKIP_WITHOUT_PRINTER();
    m_pView->m_bLandscape = TRUE;
    m_pView->m_nPageCount = 2;
    CString file = NewFile("landscape");
    QueuePrintToFile(file);
    Command(ID_FILE_PRINT);
    ASSERT_EQ(m_pView->m_pages.size(), 2u);
    EXPECT_GT(m_pView->m_nBeginWidth, m_pView->m_nBeginHeight);
    EXPECT_GT(m_pView->m_pages[0].rectDraw.Width(), m_pView->m_pages[0].rectDraw.Height());
    EXPECT_NE(ReadFile(file).find("%%Orientation: Landscape"), std::string::npos);
    auto pages = PageTexts(file);
    if (pages) {
        EXPECT_EQ(pages->size(), 2u);
    }

    // The view put the orientation back into the application's settings:
    // the next print is upright.
    m_pView->m_bLandscape = FALSE;
    m_pView->m_pages.clear();
    file = NewFile("upright");
    QueuePrintToFile(file);
    Command(ID_FILE_PRINT);
    EXPECT_LT(m_pView->m_nBeginWidth, m_pView->m_nBeginHeight);
    EXPECT_NE(ReadFile(file).find("%%Orientation: Portrait"), std::string::npos);
}

TEST_F(PrintTest, CancelInThePrintingBoxEndsThePrintAfterThatPageAndNothingComesOut) {
    SKIP_WITHOUT_PRINTER();
    printed::PrintWatch watch([](DWORD ms) {
        PumpMessages();
        ::Sleep(ms);
    });
    m_pView->m_nPageCount = 5;
    m_pView->m_nCancelAtPage = 2;
    const int nEndBefore = CPrintTestView::s_nEndPrinting;
    MessageBoxScript boxes;
    CPrintDialog::SetTestHook([](CPrintDialog&) -> INT_PTR { return IDOK; });
    Command(ID_FILE_PRINT);
    EXPECT_EQ(m_pView->m_log, Log({"prepare", "begin", "dc 1", "print 1", "dc 2", "print 2", "end"}));
    EXPECT_EQ(CPrintTestView::s_nEndPrinting, nEndBefore + 1);
    EXPECT_EQ(m_pView->m_boxPages, Log({"Page 1", "Page 2"}));
    EXPECT_TRUE(boxes.texts.empty());  // a cancel is no failure
    EXPECT_EQ(FindPrintingBox(), nullptr);
    EXPECT_TRUE(m_pMain->IsWindowEnabled());

    // The next print is the only one that comes out.
    m_pView->m_nCancelAtPage = 0;
    CPrintDialog::SetTestHook([](CPrintDialog&) -> INT_PTR { return IDOK; });
    Command(ID_FILE_PRINT);
    EXPECT_EQ(watch.WaitForPrints(1).size(), 1u) << watch.Problem();
    PumpMessages();
    EXPECT_EQ(watch.CompleteNow(), 1u);
}

namespace {
CRect s_dialogRect;

// Stands in for the user: notes where the dialog opened and cancels it.
void CALLBACK MeasureAndCancel(HWND, UINT, UINT_PTR, DWORD) {
    HWND hMain = AfxGetMainWnd()->m_hWnd;
    HWND hDlg = ::GetLastActivePopup(hMain);
    if (hDlg == hMain || !::IsWindowVisible(hDlg)) return;
    ::GetWindowRect(hDlg, &s_dialogRect);
    ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
}
}  // namespace

TEST_F(PrintTest, PrintAndPrintSetupOpenCentredOnTheMainWindow) {
    SKIP_WITHOUT_PRINTER();
    m_pMain->MoveWindow(150, 100, 900, 700);
    for (BOOL bSetup : {FALSE, TRUE}) {
        s_dialogRect.SetRectEmpty();
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, MeasureAndCancel);
        CPrintDialog dlg(bSetup);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        ::KillTimer(nullptr, timer);
        ASSERT_FALSE(s_dialogRect.IsRectEmpty()) << bSetup;
        EXPECT_NEAR((s_dialogRect.left + s_dialogRect.right) / 2, 150 + 900 / 2, 1) << bSetup;
        EXPECT_NEAR((s_dialogRect.top + s_dialogRect.bottom) / 2, 100 + 700 / 2, 1) << bSetup;
    }
}

// A printer of the test's own on the same driver, there for one test.
class AddedPrinterTest : public PrintTest {
protected:
    AddedPrinterTest(LPCSTR lpszName, LPCSTR lpszPort) : m_lpszName(lpszName), m_lpszPort(lpszPort) {}
    void SetUp() override {
        PrintTest::SetUp();
        if (DefaultPrinter().empty()) return;
        PRINTER_INFO_2A pi{};
        pi.pPrinterName = const_cast<LPSTR>(m_lpszName);
        pi.pPortName = const_cast<LPSTR>(m_lpszPort);
        pi.pDriverName = const_cast<LPSTR>("PDF Printer");
        pi.pPrintProcessor = const_cast<LPSTR>("WinPrint");
        pi.pDatatype = const_cast<LPSTR>("RAW");
        pi.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        HANDLE h = ::AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&pi));
        if (h) {
            ::ClosePrinter(h);
            m_bAdded = true;
        }
    }
    void TearDown() override {
        PrintTest::TearDown();
        HANDLE h = nullptr;
        PRINTER_DEFAULTSA defaults{nullptr, nullptr, PRINTER_ALL_ACCESS};
        if (m_bAdded && ::OpenPrinterA(const_cast<LPSTR>(m_lpszName), &h, &defaults)) {
            ::DeletePrinter(h);
            ::ClosePrinter(h);
        }
    }
    LPCSTR m_lpszName, m_lpszPort;
    bool m_bAdded = false;
};

// A second printer, so that the printer chosen can be told apart.
class SecondPrinterTest : public AddedPrinterTest {
protected:
    static constexpr const char* kSecond = "Corv Test Second Printer";
    SecondPrinterTest() : AddedPrinterTest(kSecond, "|cat >/dev/null") {}
};

// A printer that takes every page and then cannot write the document out.
class BrokenPrinterTest : public AddedPrinterTest {
protected:
    static constexpr const char* kBroken = "Corv Test Broken Printer";
    BrokenPrinterTest() : AddedPrinterTest(kBroken, "|cat >/dev/null; exit 1") {}
};

TEST_F(BrokenPrinterTest, APrintThatCannotBeWrittenOutIsToldAndACancelledOneIsNot) {
    SKIP_WITHOUT_PRINTER();
    if (!m_bAdded) GTEST_SKIP() << "no broken printer could be added";
    MessageBoxScript boxes;
    const auto choose = [](CPrintDialog& dlg) -> INT_PTR {
        return dlg.SetPrinterForTest(kBroken) ? IDOK : IDCANCEL;
    };
    CPrintDialog::SetTestHook(choose);
    Command(ID_FILE_PRINT);
    EXPECT_EQ(m_pView->m_pages.size(), 3u);
    EXPECT_EQ(boxes.texts, Log({WinMsg::kPrintFailed}));

    m_pView->m_nCancelAtPage = 2;
    CPrintDialog::SetTestHook(choose);
    Command(ID_FILE_PRINT);
    EXPECT_EQ(boxes.texts, Log({WinMsg::kPrintFailed}));  // nothing more
}

TEST_F(SecondPrinterTest, ADirectPrintGoesToThePrinterChosenLast) {
    SKIP_WITHOUT_PRINTER();
    if (!m_bAdded) GTEST_SKIP() << "no second printer could be added";

    // Before any choice: the system's default printer, and the application keeps it.
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(m_pView->GetPreviewView(), nullptr);
    m_pView->GetPreviewView()->ClosePreview();
    EXPECT_EQ(std::string(m_pView->m_strBeginDevice), DefaultPrinter());
    EXPECT_EQ(AppPrinter(), DefaultPrinter());

    // The dialog chooses the second printer ...
    CString file = NewFile("second");
    QueuePrintToFile(file, kSecond);
    Command(ID_FILE_PRINT);
    EXPECT_EQ(std::string(m_pView->m_strBeginDevice), kSecond);
    EXPECT_FALSE(ReadFile(file).empty());
    EXPECT_EQ(AppPrinter(), kSecond);

    // ... and a direct print, which shows no dialog, goes there too.
    m_pView->m_log.clear();
    m_pView->m_strBeginDevice.Empty();
    Command(ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(CPrintDialog::PendingTestHooks(), 0);
    EXPECT_EQ(m_pView->m_log.front(), "prepare");
    EXPECT_EQ(m_pView->m_log.back(), "end");
    EXPECT_EQ(std::string(m_pView->m_strBeginDevice), kSecond);

    // The dialog opens on it as well.
    std::string proposed;
    CPrintDialog::SetTestHook([&proposed](CPrintDialog& dlg) -> INT_PTR {
        proposed = dlg.GetDeviceName().GetString();
        return IDCANCEL;
    });
    Command(ID_FILE_PRINT);
    EXPECT_EQ(proposed, kSecond);
}

TEST_F(PrintTest, WithoutAnyPrinterEveryCommandSaysSoAndNothingBegins) {
    CPrintDialog::SetNoPrinterForTest(TRUE);
    MessageBoxScript boxes;
    Command(ID_FILE_PRINT);
    Command(ID_FILE_PRINT_DIRECT);
    Command(ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(boxes.texts, Log(3, WinMsg::kNoPrinter));
    EXPECT_EQ(m_pView->m_log, Log({"prepare", "prepare", "prepare"}));
    EXPECT_EQ(m_pView->GetPreviewView(), nullptr);
    EXPECT_TRUE(m_pView->IsWindowVisible());
}

TEST_F(PrintTest, APrinterThatIsGoneIsNamedAndNothingBegins) {
    SKIP_WITHOUT_PRINTER();
    // The application remembers a printer that was removed since.
    CPrintDialog dlg(FALSE);
    ASSERT_TRUE(dlg.GetDefaults());
    auto* pNames = static_cast<DEVNAMES*>(::GlobalLock(theTestApp.m_hDevNames));
    char* device = reinterpret_cast<char*>(pNames) + pNames->wDeviceOffset;
    for (char* p = device; *p; ++p) *p = 'X';
    std::string gone = device;
    ::GlobalUnlock(theTestApp.m_hDevNames);

    MessageBoxScript boxes;
    Command(ID_FILE_PRINT_DIRECT);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_NE(boxes.texts[0].find(gone), std::string::npos);
    EXPECT_EQ(m_pView->m_log, Log({"prepare"}));
}
