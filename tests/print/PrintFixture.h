// The print tests' fixture: a window of the print test view on a fresh
// document, the application without a chosen printer, and helpers that
// script the print dialog and read a printed file back as text.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/framework_win/MdiFixture.h"
#include "tests/print/PrintTestView.h"

class PrintTest : public MdiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The system's default printer ("" when there is none).
    static std::string DefaultPrinter();
    // The print dialog's user: picks lpszDevice (null: keeps the proposed
    // printer), ticks Print to file and names pathName in the file dialog.
    static void QueuePrintToFile(const CString& pathName, LPCSTR lpszDevice = nullptr, int nFrom = 0,
                                 int nTo = 0);
    static void QueueCancel();
    // A fresh file name in the test folder.
    static CString NewFile(LPCSTR lpszStem);
    // The text of each page of a PostScript file, as Ghostscript reads it
    // (blanks collapsed, ends trimmed, no-break spaces read as blanks);
    // nullopt when Ghostscript cannot run.
    static std::optional<std::vector<std::string>> PageTexts(const CString& pathName);
    static std::string ReadFile(const CString& pathName);
    // The device name in the application's DEVNAMES ("" when none chosen).
    static std::string AppPrinter();

    void Command(UINT nID) { m_pView->SendMessage(WM_COMMAND, nID); }

    CPrintTestView* m_pView = nullptr;
    CDocument* m_pDoc = nullptr;
    CMultiDocTemplate* m_pPrintTemplate = nullptr;
};

#define SKIP_WITHOUT_PRINTER()                                                     \
    do {                                                                           \
        if (DefaultPrinter().empty()) GTEST_SKIP() << "the prefix has no printer"; \
    } while (0)
