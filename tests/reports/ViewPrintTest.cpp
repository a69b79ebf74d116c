// The job view's print commands through the real print loop and the
// prefix's PDF printer: Print > Select..., the print dialog of a batch and
// the report chosen before it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "framework/core/CmdTarget.h"
#include "framework/win/Dialog.h"
#include "framework/win/PrintDialog.h"
#include "reports/ReportCatalog.h"
#include "res/editor_values_ids.h"
#include "res/resource.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {
// The folder where the prefix's PDF printer puts each print.
std::string PrintedFolder() {
    const char* prefix = std::getenv("CORV_WINEPREFIX");
    if (!prefix) return std::string();
    std::string path = std::string("Z:") + prefix;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path.substr(0, path.find_last_of('\\')) + "\\printed";
}

int PrintedCount() {
    std::error_code ec;
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(PrintedFolder(), ec)) {
        (void)entry;
        ++n;
    }
    return n;
}

// Waits until the printer has written n files (the spooler converts each
// print on its own).
int WaitForPrinted(int n) {
    for (int i = 0; i < 200 && PrintedCount() < n; ++i) PumpMessages(100);
    return PrintedCount();
}

class ViewPrint : public JobWindowTest {
protected:
    void SetUp() override {
        JobWindowTest::SetUp();
        if (!HasPrinter()) GTEST_SKIP() << "the prefix has no printer";
    }
    static bool HasPrinter() {
        CPrintDialog dlg(FALSE);
        return dlg.GetDefaults() != FALSE;
    }
    static void Command(UINT nID) {
        AfxGetMainWnd()->SendMessage(WM_COMMAND, nID);
        PumpMessages();
    }
    // Ticks Quote, Scope and Scope (Priced) in the selection dialog and OKs it.
    static void TickThreeQuotes() {
        CDialog::SetTestHook([](CDialog& dlg) {
            for (int id : {IDC_PRTSEL_QUOTE, IDC_PRTSEL_SCOPE, IDC_PRTSEL_SCOPE_PRICED})
                dlg.SendDlgItemMessage(id, BM_SETCHECK, BST_CHECKED, 0);
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    }
};
}  // namespace

TEST_F(ViewPrint, TheReportCommandsAreEnabled) {
    for (UINT id : {ID_FILE_PRINT_SELECT, ID_FILE_PRINT_QUOTE, ID_FILE_PREVIEW_PURCH_ORD,
                    ID_FILE_PRINT_PROJ_SELL, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW}) {
        CCmdUI ui;
        ui.m_nID = id;
        ui.DoUpdate(AfxGetMainWnd(), TRUE);
        EXPECT_TRUE(ui.m_bEnabled) << id;
    }
}

TEST_F(ViewPrint, SelectPrintsEachTickedReportWithOneDialog) {
    m_pView->m_nReport = kRptICDS;
    const int before = PrintedCount();
    int dialogs = 0;
    TickThreeQuotes();
    CPrintDialog::SetTestHook([&](CPrintDialog&) {
        ++dialogs;
        return IDOK;
    });
    Command(ID_FILE_PRINT_SELECT);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(CPrintDialog::PendingTestHooks(), 0);
    EXPECT_EQ(WaitForPrinted(before + 3), before + 3);
    // The plain Print command prints the report chosen before the batch.
    EXPECT_EQ(m_pView->m_nReport, kRptICDS);
    EXPECT_FALSE(m_pView->m_bNoPrintDialog);
    EXPECT_EQ(m_pView->m_pQuoteOne, nullptr);
    EXPECT_EQ(m_pView->m_pFooterFont, nullptr);
    CPrintDialog::ClearTestHooks();
}

TEST_F(ViewPrint, CancellingTheFirstDialogSkipsOnlyTheFirstReport) {
    const int before = PrintedCount();
    TickThreeQuotes();
    CPrintDialog::SetTestHook([](CPrintDialog&) { return IDCANCEL; });
    Command(ID_FILE_PRINT_SELECT);
    EXPECT_EQ(WaitForPrinted(before + 2), before + 2);
    PumpMessages(500);
    EXPECT_EQ(PrintedCount(), before + 2);
    EXPECT_EQ(m_pView->m_pQuoteOne, nullptr);  // no report object was left behind
    CPrintDialog::ClearTestHooks();
}

TEST_F(ViewPrint, WithoutAPrinterNothingPrintsAndNothingIsLeft) {
    CPrintDialog::SetNoPrinterForTest(TRUE);
    const int before = PrintedCount();
    MessageBoxRecorder boxes;
    m_pView->m_bNoPrintDialog = TRUE;
    Command(ID_FILE_PRINT_QUOTE);
    m_pView->m_bNoPrintDialog = FALSE;
    CPrintDialog::SetNoPrinterForTest(FALSE);
    PumpMessages(300);
    EXPECT_EQ(boxes.Texts().size(), 1u);  // one clear message, no crash
    EXPECT_EQ(PrintedCount(), before);
    EXPECT_EQ(m_pView->m_pQuoteOne, nullptr);
}
