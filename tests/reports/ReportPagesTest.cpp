// Long jobs cut into pages: every later page of a report with a table
// starts with the table's heading (the item cost sheet with an empty
// line), the first band of every report sits on page 1 when it fits, and
// the titles the later pages carry.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Table.h"
#include "reports/PrtSection.h"
#include "reports/ReportCatalog.h"
#include "reports/RptBaseClass.h"
#include "tests/reports/BodyPage.h"
#include "tests/reports/PricingJob.h"

using Lines = std::vector<std::string>;

namespace {
// The job with 150 more priced lines, on five plants.
std::unique_ptr<CCorvDoc> LongJob() {
    auto pDoc = MakePricingJob();
    AddPlainLines(*pDoc, 10, 150);
    return pDoc;
}

// The first band of every page after the first, up to the pages that
// begin after band nLastRepeating (the closing blocks that repeat nothing).
void ExpectEveryLaterPageStartsWith(BodyPage& page, const Lines& heading, const char* pszReport,
                                    int nLastRepeating) {
    const CRptBaseClass& report = page.Report();
    for (int p = 2; p <= report.GetPageCount(); ++p) {
        const int nFirst = report.GetPageFirstBand(p);
        if (nFirst > nLastRepeating) continue;
        EXPECT_EQ(FirstLines(report.GetBand(nFirst)), heading) << pszReport << " page " << p;
    }
}
}  // namespace

TEST(ReportPages, EveryLaterPageOfATableReportStartsWithItsHeading) {
    auto pDoc = LongJob();
    struct Case {
        int nReport;
        const char* pszName;
        Lines heading;
    };
    const Case cases[] = {
        {kRptCommission, "commission", {"", "", "", "", "", "", "", "", ""}},
        {kRptProposalSummary,
         "proposal summary",
         {"Item", "Qty", "Size", "Type", "MC", "Class", "Operator", "Accessories", "List", "Mult", "Net",
          "NetExt", "Final", "FinalExt", "", "Cost", "CostExt", "Margin"}},
        {kRptProposalSummaryPlant,
         "by plant",
         {"Item", "Qty", "Size", "Type", "MC", "Class", "Operator", "Accessories", "List", "Mult", "Net",
          "NetExt", "Final", "FinalExt", "", "Cost", "CostExt", "Margin"}},
        {kRptSellPrice,
         "sell price",
         {"Item", "Qty", "Size", "Type", "MC", "Class", "Operator", "Accessories", "Net", "NetExt", "Final",
          "FinalExt"}},
        {kRptPurchaseOrder, "purchase order", {"Item", "Qty", "Description", "Net", "Ext Net"}},
    };
    for (const Case& c : cases) {
        BodyPage page(c.nReport);
        const int nPages = page.Build(*pDoc);
        EXPECT_GE(nPages, 3) << c.pszName;
        EXPECT_EQ(nPages, page.Report().GetPageCount());
        // The page print stops at the page count the body returned.
        EXPECT_EQ(page.Report().GetPageEndBand(nPages), page.Report().GetBandCount());
        // The purchase order's terms and notes repeat no heading.
        const int nLast = c.nReport == kRptPurchaseOrder ? FindBand(page.Report(), "Total Net:")
                                                         : page.Report().GetBandCount();
        ExpectEveryLaterPageStartsWith(page, c.heading, c.pszName, nLast);
        // The commission heading's first lines are empty: check its second.
        if (c.nReport == kRptCommission) {
            const CRptBaseClass& report = page.Report();
            for (int p = 2; p <= nPages; ++p)
                EXPECT_EQ(ColumnLines(report.GetBand(report.GetPageFirstBand(p)), 8),
                          Lines({"", "Ext Comm"}));
        }
    }
}

TEST(ReportPages, LaterPagesStartBelowTheirTitleAndHaveTheSameRoom) {
    auto pDoc = LongJob();
    BodyPage page(kRptSellPrice);
    const int nPages = page.Build(*pDoc);
    ASSERT_GE(nPages, 3);
    const CRptBaseClass& report = page.Report();
    // Later pages that hold item rows only (one line each) hold as many.
    auto rowsOnly = [&report](int p) {
        for (int i = report.GetPageFirstBand(p) + 1; i < report.GetPageEndBand(p); ++i)
            if (report.GetBand(i)->GetLineCount() != 1) return false;
        return true;
    };
    ASSERT_TRUE(rowsOnly(2));
    const int nSecond = report.GetPageEndBand(2) - report.GetPageFirstBand(2);
    int nChecked = 0;
    for (int p = 3; p <= nPages; ++p) {
        if (!rowsOnly(p) || p == nPages) continue;
        EXPECT_EQ(report.GetPageEndBand(p) - report.GetPageFirstBand(p), nSecond) << "page " << p;
        ++nChecked;
    }
    EXPECT_GE(nChecked, 1);
    // Page 1 holds the heading block, the blank band and the table heading
    // above its rows, so fewer rows than a later page below its heading.
    EXPECT_LT(report.GetPageEndBand(1) - 3, nSecond - 1);
}

TEST(ReportPages, TitlesOfTheLaterPages) {
    auto pDoc = MakePricingJob();
    EXPECT_EQ(LaterPageTitle(kRptDistribution, pDoc.get()).str(), "Proposal Number: Q-2041 Rev B");
    EXPECT_EQ(LaterPageTitle(kRptParts, pDoc.get()).str(), "Proposal Number: Q-2041 Rev B");
    EXPECT_EQ(LaterPageTitle(kRptPurchaseOrder, pDoc.get()).str(), "Purchase Order: PO-77812");
    EXPECT_EQ(LaterPageTitle(kRptProposalSummary, pDoc.get()).str(), "Proposal Summary: Q-2041 Rev B");
    EXPECT_EQ(LaterPageTitle(kRptProposalSummaryPlant, pDoc.get()).str(), "Proposal Summary: Q-2041 Rev B");
    EXPECT_EQ(LaterPageTitle(kRptICDS, pDoc.get()).str(), "Item Cost Development Sheet: Q-2041 Rev B");
    EXPECT_EQ(LaterPageTitle(kRptCommission, pDoc.get()).str(), "Commission: Q-2041 Rev B");
    EXPECT_EQ(LaterPageTitle(kRptSellPrice, pDoc.get()).str(), "Project Sell Price: Q-2041 Rev B");
    // Without a revision the titles end at the quote number.
    pDoc->SetQuoteRev("");
    EXPECT_EQ(LaterPageTitle(kRptCommission, pDoc.get()).str(), "Commission: Q-2041");
    EXPECT_EQ(PageOneHeading(kRptProposalSummaryPlant).str(), "Proposal Summary");
    EXPECT_EQ(PageOneHeading(kRptICDS).str(), "Item Cost Development Sheet");
}

TEST(ReportPages, FontsOrientationsAndTopsOfTheSevenReports) {
    // The priced letters print in the job's font below the letterhead.
    for (int nReport : {kRptDistribution, kRptParts}) {
        EXPECT_TRUE(IsLetter(nReport));
        EXPECT_EQ(FirstPageTop(nReport), 75);
        EXPECT_EQ(ReportOrientation(nReport), 0);
    }
    struct Sheet {
        int nReport, nHeight;
        short nOrientation;
    };
    for (const Sheet& s :
         {Sheet{kRptPurchaseOrder, -15, DMORIENT_LANDSCAPE},
          Sheet{kRptProposalSummary, -10, DMORIENT_LANDSCAPE},
          Sheet{kRptProposalSummaryPlant, -10, DMORIENT_LANDSCAPE}, Sheet{kRptICDS, -12, DMORIENT_LANDSCAPE},
          Sheet{kRptCommission, -12, DMORIENT_PORTRAIT}, Sheet{kRptSellPrice, -14, DMORIENT_LANDSCAPE}}) {
        EXPECT_FALSE(IsLetter(s.nReport));
        EXPECT_EQ(FirstPageTop(s.nReport), 60) << s.nReport;
        EXPECT_EQ(ReportFontHeight(s.nReport), s.nHeight) << s.nReport;
        EXPECT_EQ(ReportOrientation(s.nReport), s.nOrientation) << s.nReport;
    }
}

TEST(ReportPages, ABuildOnTheSameObjectAgainGivesTheSameBandsAndPages) {
    auto pDoc = LongJob();
    for (int nReport : {kRptDistribution, kRptParts, kRptPurchaseOrder, kRptProposalSummary,
                        kRptProposalSummaryPlant, kRptICDS, kRptCommission, kRptSellPrice}) {
        BodyPage page(nReport);
        const int nPages = page.Build(*pDoc);
        const int nBands = page.Report().GetBandCount();
        EXPECT_EQ(BuildReportBody(nReport, &page.Report(), page.DC(), page.Info(), pDoc.get(),
                                  page.LaterTop(), FirstPageTop(nReport)),
                  nPages)
            << nReport;
        EXPECT_EQ(page.Report().GetBandCount(), nBands) << nReport;
    }
}
