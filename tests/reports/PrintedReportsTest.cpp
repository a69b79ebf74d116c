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
#include <vector>

#include "editor/CorvView.h"
#include "framework/win/Dialog.h"
#include "framework/win/PrintDialog.h"
#include "model/CorvDoc.h"
#include "reports/ReportCatalog.h"
#include "res/editor_values_ids.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/reports/PricingJob.h"
#include "tests/support/PrintedPdfs.h"

namespace {
constexpr const char* kPrinter = "PDF Printer";

using printed::PrintWatch;

std::string ReadFile(const std::string& name) { return printed::ReadBytes(PrintWatch::PathOf(name)); }

// The text of a printed PDF, every run of blanks made one blank.
std::string PdfText(const std::string& name) {
    const std::string text = printed::Text(PrintWatch::PathOf(name));
    if (text.empty()) ADD_FAILURE() << "Ghostscript could not read " << PrintWatch::PathOf(name);
    return text;
}

int PageCount(const std::string& name) {
    const std::string bytes = ReadFile(name);
    int n = 0;
    for (size_t at = bytes.find("/Type/Page"); at != std::string::npos; at = bytes.find("/Type/Page", at + 1))
        if (bytes.compare(at, 11, "/Type/Pages") != 0) ++n;
    return n;
}

// Landscape when the first page's box is wider than high or turned by a
// quarter.
bool Landscape(const std::string& name) {
    const std::string bytes = ReadFile(name);
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
        ASSERT_FALSE(printed::FolderUnix().empty()) << "CORV_WINEPREFIX is not set";
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
        PrintWatch watch;
        AnswerPrintDialog();
        m_pView->PrintReport(c.nReport);
        EXPECT_EQ(CPrintDialog::PendingTestHooks(), 0);
        const std::vector<std::string> fresh = watch.WaitForPrints(1);
        ASSERT_EQ(fresh.size(), 1u) << "report " << c.nReport << ": " << watch.Problem();
        EXPECT_EQ(Landscape(fresh[0]), c.bLandscape) << "report " << c.nReport;
        EXPECT_GE(PageCount(fresh[0]), 2) << "report " << c.nReport;
        ExpectTexts(PdfText(fresh[0]), c.texts, c.nReport);
    }
}

TEST_F(PrintedReportsTest, SelectWithAllElevenTickedPrintsElevenDocumentsAfterOneDialog) {
    PrintWatch watch;
    CDialog::SetTestHook([](CDialog& dlg) {
        for (int id = IDC_PRTSEL_QUOTE; id <= IDC_PRTSEL_QUOTE + 10; ++id)
            dlg.SendDlgItemMessage(id, BM_SETCHECK, BST_CHECKED);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    AnswerPrintDialog();
    m_pView->OnPrintSelect();
    EXPECT_EQ(CPrintDialog::PendingTestHooks(), 0);

    const std::vector<std::string> fresh = watch.WaitForPrints(11, 120000);
    ASSERT_EQ(fresh.size(), 11u) << watch.Problem();
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
