// The seven other reports printed from a job window through the Wine
// prefix's PDF printer: each print lands as a PDF file, whose text
// (Ghostscript's text output) holds the report's headings, titles and
// totals, in the report's orientation; Print > Select... with all eleven
// boxes ticked prints eleven documents in order after one print dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editor/CorvView.h"
#include "framework/win/Dialog.h"
#include "framework/win/PrintDialog.h"
#include "model/CorvDoc.h"
#include "reports/ReportCatalog.h"
#include "res/editor_values_ids.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/reports/PricingJob.h"

namespace {
constexpr const char* kPrinter = "PDF Printer";

// Where the prefix's printer puts its PDF files, as a Unix path.
std::string PrintFolder() {
    const char* pszPrefix = std::getenv("CORV_WINEPREFIX");
    if (!pszPrefix) return std::string();
    std::string prefix = pszPrefix;
    while (!prefix.empty() && prefix.back() == '/') prefix.pop_back();
    return prefix.substr(0, prefix.rfind('/')) + "/printed";
}

std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::set<std::string> PdfFiles() {
    std::set<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((WindowsPath(PrintFolder()) + "\\*.pdf").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        names.insert(fd.cFileName);
    } while (::FindNextFileA(h, &fd));
    ::FindClose(h);
    return names;
}

std::string ReadFile(const std::string& unixPath) {
    std::string bytes;
    HANDLE h = ::CreateFileA(WindowsPath(unixPath).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return bytes;
    char buffer[65536];
    DWORD nRead = 0;
    while (::ReadFile(h, buffer, sizeof buffer, &nRead, nullptr) && nRead > 0) bytes.append(buffer, nRead);
    ::CloseHandle(h);
    return bytes;
}

bool Complete(const std::string& name) {
    const std::string bytes = ReadFile(PrintFolder() + "/" + name);
    return bytes.size() > 100 && bytes.find("%%EOF", bytes.size() - 100) != std::string::npos;
}

// The PDF files that appear beside those of `before`, complete, in the
// order the prints were made (their names begin with the time, then the
// spooler's process number).
std::vector<std::string> WaitForNewPdfs(const std::set<std::string>& before, size_t nWanted) {
    std::vector<std::string> fresh;
    for (int waited = 0; waited < 60000; waited += 250) {
        fresh.clear();
        for (const std::string& name : PdfFiles())
            if (!before.count(name)) fresh.push_back(name);
        if (fresh.size() >= nWanted && std::all_of(fresh.begin(), fresh.end(), Complete)) break;
        ::Sleep(250);
    }
    std::sort(fresh.begin(), fresh.end(), [](const std::string& a, const std::string& b) {
        // print-YYYYmmdd-HHMMSS-pid.pdf: time, then process number as a number.
        const std::string ta = a.substr(0, 21), tb = b.substr(0, 21);
        if (ta != tb) return ta < tb;
        return std::atol(a.c_str() + 22) < std::atol(b.c_str() + 22);
    });
    return fresh;
}

// Starts a shell command line of the machine (Wine starts Unix programs;
// their end cannot be waited for, so callers watch for the file they make).
void RunShell(const std::string& command) {
    std::string line = "Z:\\bin\\sh -c \"" + command + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
    ::WaitForSingleObject(pi.hProcess, 60000);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
}

// The text of a printed PDF, every run of blanks made one blank.
std::string PdfText(const std::string& name) {
    const std::string pdf = PrintFolder() + "/" + name;
    const std::string txt = pdf + ".txt";
    RunShell("ps2ascii '" + pdf + "' '" + txt + ".part' && mv '" + txt + ".part' '" + txt + "'");
    for (int waited = 0;
         waited < 60000 && ::GetFileAttributesA(WindowsPath(txt).c_str()) == INVALID_FILE_ATTRIBUTES;
         waited += 100)
        ::Sleep(100);
    std::string text;
    std::string raw = ReadFile(txt);
    // The printer's fonts map '-' to the soft hyphen and blanks to the
    // no-break space, which come back in UTF-8.
    for (const auto& [from, to] : {std::pair<const char*, const char*>{"\xC2\xAD", "-"}, {"\xC2\xA0", " "}})
        for (size_t at = raw.find(from); at != std::string::npos; at = raw.find(from, at))
            raw.replace(at, 2, to);
    for (char ch : raw) {
        if (ch == '\r' || ch == '\t') ch = ' ';
        if (ch == ' ' && !text.empty() && (text.back() == ' ' || text.back() == '\n')) continue;
        text += ch;
    }
    return text;
}

int PageCount(const std::string& name) {
    const std::string bytes = ReadFile(PrintFolder() + "/" + name);
    int n = 0;
    for (size_t at = bytes.find("/Type/Page"); at != std::string::npos; at = bytes.find("/Type/Page", at + 1))
        if (bytes.compare(at, 11, "/Type/Pages") != 0) ++n;
    return n;
}

// Landscape when the first page's box is wider than high or turned by a
// quarter.
bool Landscape(const std::string& name) {
    const std::string bytes = ReadFile(PrintFolder() + "/" + name);
    const size_t at = bytes.find("/MediaBox");
    if (at == std::string::npos) return false;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    std::sscanf(bytes.c_str() + bytes.find('[', at) + 1, "%lf %lf %lf %lf", &x0, &y0, &x1, &y1);
    const size_t rotate = bytes.find("/Rotate");
    const int nRotate = rotate == std::string::npos ? 0 : std::atoi(bytes.c_str() + rotate + 7);
    return (x1 - x0 > y1 - y0) != (nRotate % 180 != 0);
}

// The print dialog of the next print, answered with the PDF printer.
void AnswerPrintDialog() {
    CPrintDialog::SetTestHook(
        [](CPrintDialog& dlg) -> INT_PTR { return dlg.SetPrinterForTest(kPrinter) ? IDOK : IDCANCEL; });
}

class PrintedReportsTest : public JobWindowTest {
protected:
    void SetUp() override {
        JobWindowTest::SetUp();
        ASSERT_FALSE(PrintFolder().empty()) << "CORV_WINEPREFIX is not set";
        FillPricingJob(*m_pDoc);
        // 60 more lines: every report runs onto a second page.
        AddPlainLines(*m_pDoc, 10, 60);
    }
    void TearDown() override {
        CPrintDialog::ClearTestHooks();
        CDialog::ClearTestHooks();
        JobWindowTest::TearDown();
    }
};

struct PrintCase {
    int nReport;
    bool bLandscape;
    std::vector<std::string> texts;  // each somewhere in the printed text
};

// Totals of the job: the pricing job's plus 60 x (2 x 100.00 net, 2 x 110.00 final):
// nets 1,862,250.00 + 12,000.00, finals 1,961,101.00 + 13,200.00, freight the difference.
const PrintCase kCases[] = {
    {kRptDistribution, false, {"Weeks", "Unit Price", "Proposal Total:", "$ 1,974,301.00", "Page 2 of"}},
    {kRptParts, false, {"Part Number", "ACT-DA40", "Proposal Total:", "$ 1,974,301.00"}},
    {kRptPurchaseOrder,
     true,
     {"Purchase Order", "PO-77812", "Ext Net", "Total Net:", "1,874,250.00", "Shipping Notes",
      "Purchase Order: PO-77812", "Page 2 of"}},
    {kRptProposalSummary,
     true,
     {"Proposal Summary", "Accessories", "CostExt", "1,874,250.00", "1,974,301.00",
      "Total Freight Amount: 100051.00", "Proposal Summary: Q-2041 Rev B"}},
    {kRptProposalSummaryPlant,
     true,
     {"Proposal Summary", "CENTRAL", "EAST", "NORTH", "SOUTH", "WEST", "Total", "1,874,250.00",
      "Total Freight Amount: 100051.00"}},
    {kRptICDS,
     true,
     {"Item Cost Development Sheet", "Item: 1", "Part Number", "Lead Time: 6 Weeks",
      "Freight: 12000 lbs at 12.50/C.W.T", "Final:", "Item Cost Development Sheet: Q-2041 Rev B"}},
    {kRptCommission,
     false,
     {"Commission", "Ext Comm", "Total Job with Freight:", "1,974,301.00", "Purchase Order @ 30% = **** %",
      "Commission: Q-2041 Rev B"}},
    {kRptSellPrice,
     true,
     {"Project Sell Price", "FinalExt", "1,874,250.00", "1,974,301.00", "Total Freight Amount: 100051.00",
      "Project Sell Price: Q-2041 Rev B"}},
};

void ExpectTexts(const std::string& text, const std::vector<std::string>& wanted, int nReport) {
    for (const std::string& w : wanted)
        EXPECT_NE(text.find(w), std::string::npos) << "report " << nReport << ": \"" << w << "\" not printed";
}
}  // namespace

TEST_F(PrintedReportsTest, EachReportPrintsItsHeadingsAndTotalsInItsOrientation) {
    for (const PrintCase& c : kCases) {
        const std::set<std::string> before = PdfFiles();
        AnswerPrintDialog();
        m_pView->PrintReport(c.nReport);
        EXPECT_EQ(CPrintDialog::PendingTestHooks(), 0);
        const std::vector<std::string> fresh = WaitForNewPdfs(before, 1);
        ASSERT_EQ(fresh.size(), 1u) << "report " << c.nReport;
        EXPECT_EQ(Landscape(fresh[0]), c.bLandscape) << "report " << c.nReport;
        EXPECT_GE(PageCount(fresh[0]), 2) << "report " << c.nReport;
        ExpectTexts(PdfText(fresh[0]), c.texts, c.nReport);
    }
}

TEST_F(PrintedReportsTest, SelectWithAllElevenTickedPrintsElevenDocumentsAfterOneDialog) {
    const std::set<std::string> before = PdfFiles();
    CDialog::SetTestHook([](CDialog& dlg) {
        for (int id = IDC_PRTSEL_QUOTE; id <= IDC_PRTSEL_QUOTE + 10; ++id)
            dlg.SendDlgItemMessage(id, BM_SETCHECK, BST_CHECKED);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    AnswerPrintDialog();
    m_pView->OnPrintSelect();
    EXPECT_EQ(CPrintDialog::PendingTestHooks(), 0);

    const std::vector<std::string> fresh = WaitForNewPdfs(before, 11);
    ASSERT_EQ(fresh.size(), 11u);
    // What tells the documents apart, in the order of the batch: Quote,
    // Scope, Scope (Priced), Distribution, Parts, Item Cost Development,
    // Proposal Summary, by Plant, Project Sell Price, Commission, Purchase Order.
    std::vector<std::string> texts;
    for (const std::string& name : fresh) texts.push_back(PdfText(name));
    auto has = [&texts](int i, const char* psz) {
        return texts[i].find(psz) != std::string::npos;
    };
    const char* kLumpSum = "The lump sum price for the above listed items is:";
    EXPECT_TRUE(has(0, "Unit Price") && has(0, kLumpSum));
    EXPECT_TRUE(!has(1, "Unit Price") && !has(1, kLumpSum) && has(1, "Description"));
    EXPECT_TRUE(!has(2, "Unit Price") && has(2, kLumpSum));
    EXPECT_TRUE(has(3, "Weeks") && !has(3, "Part Number") && has(3, "Proposal Total:"));
    EXPECT_TRUE(has(4, "Part Number") && has(4, "Proposal Total:"));
    EXPECT_TRUE(has(5, "Item Cost Development Sheet"));
    EXPECT_TRUE(has(6, "Proposal Summary") && !has(6, "CENTRAL"));
    EXPECT_TRUE(has(7, "Proposal Summary") && has(7, "CENTRAL"));
    EXPECT_TRUE(has(8, "Project Sell Price"));
    EXPECT_TRUE(has(9, "Total Job with Freight:"));
    EXPECT_TRUE(has(10, "Total Net:"));
    // Every box stays ticked for the next Select....
    for (int i = 0; i < kReportCount; ++i) EXPECT_EQ(CorvGetApp()->m_nPrintDefault[i], 1) << i;
}
