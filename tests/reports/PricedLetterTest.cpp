// The distribution and parts quotations: the letter's blocks around an item
// table with Weeks, unit and extended prices, the parts quotation's first
// part numbers, the proposal total and the heading repeated on every page
// the table continues on.
#include <gtest/gtest.h>

#include <algorithm>
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
// The bands from the item table's heading on: heading, then per item its
// words above and its line, then the total.
struct PricedLetterBands {
    int nHeading = -1;
    int nTotal = -1;
};

PricedLetterBands Locate(const CRptBaseClass& report) {
    PricedLetterBands at;
    at.nHeading = FindBand(report, "Item");
    at.nTotal = FindBandWithText(report, "Proposal Total:");
    return at;
}
}  // namespace

TEST(DistributionQuotation, ItemTableShowsWeeksPricesAndTheProposalTotal) {
    auto pDoc = MakePricingJob();
    BodyPage page(kRptDistribution);
    EXPECT_EQ(page.Build(*pDoc), 1);
    const CRptBaseClass& report = page.Report();
    const PricedLetterBands at = Locate(report);
    ASSERT_GE(at.nHeading, 0);

    // The addressee block, then a spacer of one line (the letter's has two).
    EXPECT_EQ(report.GetBand(0)->m_nStyle, CPrtSection::kRuled);
    EXPECT_EQ(ColumnLines(report.GetBand(1), 0), Lines({""}));

    const CPrtSection* pHeading = report.GetBand(at.nHeading);
    EXPECT_EQ(BandLines(pHeading),
              (std::vector<Lines>{
                  {"Item", ""}, {"Qty"}, {"Weeks"}, {"Description"}, {"Unit Price"}, {"Extended"}}));
    for (int c = 0; c < 6; ++c) EXPECT_TRUE(pHeading->GetColumn(c)->m_bUnderline);

    // Item 1: 3 x 1,600.00; the tag, then the Detail descriptions, then the
    // empty line that ends every item.
    const CPrtSection* p1 = report.GetBand(at.nHeading + 1);
    EXPECT_EQ(BandLines(p1), (std::vector<Lines>{{"1"},
                                                 {"3"},
                                                 {"6"},
                                                 {"FV-101", "4\" ball valve double acting actuator", ""},
                                                 {"1,600.00"},
                                                 {"4,800.00"}}));
    // Item 2: 2 x 3,150.50, no Weeks.
    const CPrtSection* p2 = report.GetBand(at.nHeading + 2);
    EXPECT_EQ(FirstLines(p2), Lines({"2", "2", "", "6\" gate valve", "3,150.50", "6,301.00"}));
    // Item 3 follows its words above: 1500 x 1,300.00.
    EXPECT_EQ(ColumnLines(report.GetBand(at.nHeading + 3), 0),
              Lines({"Check valves for the pump discharge:"}));
    const CPrtSection* p3 = report.GetBand(at.nHeading + 4);
    EXPECT_EQ(ColumnLines(p3, 3), Lines({"1\" check valve", "Tested to API 598.", ""}));
    EXPECT_EQ(ColumnLines(p3, 5), Lines({"1,950,000.00"}));
    // Item 4 has a quantity but no price: extended 0.00.
    EXPECT_EQ(FirstLines(report.GetBand(at.nHeading + 5)), Lines({"4", "5", "", "", "", "0.00"}));
    // The empty last line: six columns, the extended one without a line.
    const CPrtSection* pBlank = report.GetBand(at.nHeading + 6);
    ASSERT_EQ(pBlank->GetColumnCount(), 6);
    EXPECT_EQ(pBlank->GetColumn(5)->GetLineCount(), 0);

    // 4,800.00 + 6,301.00 + 1,950,000.00 + 0.00
    ASSERT_EQ(at.nTotal, at.nHeading + 7);
    EXPECT_EQ(BandLines(report.GetBand(at.nTotal)),
              (std::vector<Lines>{{"Proposal Total:"}, {"$ 1,961,101.00"}}));

    // The letter's closing blocks without the sales representative.
    const Lines all = AllLines(report);
    EXPECT_NE(std::find(all.begin(), all.end(), "Commercial Terms:"), all.end());
    EXPECT_NE(std::find(all.begin(), all.end(), "Sincerely,"), all.end());
    EXPECT_NE(
        std::find(all.begin(), all.end(), "Start-up assistance: One day of start-up assistance on site"),
        all.end());
    for (const std::string& line : all) EXPECT_EQ(line.find("local sales representative"), std::string::npos);
}

TEST(DistributionQuotation, AnOverflowedPriceStarsItsLineAndTheTotal) {
    PricingJobOptions options;
    options.bOverflowLine = true;
    auto pDoc = MakePricingJob(options);
    BodyPage page(kRptDistribution);
    page.Build(*pDoc);
    const CRptBaseClass& report = page.Report();
    const int nItem = FindBand(report, "6");
    ASSERT_GE(nItem, 0);
    // The unit price prints the field's stars unchanged.
    EXPECT_EQ(FirstLines(report.GetBand(nItem)), Lines({"6", "2", "", "", "**********", "**********"}));
    EXPECT_EQ(ColumnLines(report.GetBand(Locate(report).nTotal), 1), Lines({"**********"}));
    // The other lines keep their amounts.
    EXPECT_EQ(ColumnLines(report.GetBand(FindBand(report, "1")), 5), Lines({"4,800.00"}));
}

TEST(DistributionQuotation, AJobWithoutLinesPrintsTheHeadingAndAZeroTotal) {
    auto pDoc = MakePricingJob();
    pDoc->m_pTable->RemoveAll();
    BodyPage page(kRptDistribution);
    page.Build(*pDoc);
    const PricedLetterBands at = Locate(page.Report());
    EXPECT_EQ(at.nTotal, at.nHeading + 1);
    EXPECT_EQ(ColumnLines(page.Report().GetBand(at.nTotal), 1), Lines({"$ 0.00"}));
}

TEST(PartsQuotation, ShowsTheFirstPartNumberOfEachItem) {
    auto pDoc = MakePricingJob();
    BodyPage page(kRptParts);
    page.Build(*pDoc);
    const CRptBaseClass& report = page.Report();
    const PricedLetterBands at = Locate(report);
    EXPECT_EQ(FirstLines(report.GetBand(at.nHeading)),
              Lines({"Item", "Qty", "Weeks", "Part Number", "Description", "Unit Price", "Extended"}));
    // Item 1's first Detail line has a blank part number: the second one's,
    // without its trailing blanks.
    EXPECT_EQ(FirstLines(report.GetBand(at.nHeading + 1)),
              Lines({"1", "3", "6", "ACT-DA40", "FV-101", "1,600.00", "4,800.00"}));
    EXPECT_EQ(ColumnLines(report.GetBand(at.nHeading + 2), 3), Lines({"GV6-300"}));
    // No part number at all: an empty line in the column, seven columns still.
    const CPrtSection* p3 = report.GetBand(at.nHeading + 4);
    EXPECT_EQ(ColumnLines(p3, 3), Lines({""}));
    EXPECT_EQ(ColumnLines(p3, 6), Lines({"1,950,000.00"}));
    EXPECT_EQ(ColumnLines(report.GetBand(at.nTotal), 1), Lines({"$ 1,961,101.00"}));
}

TEST(PricedLetters, EveryPageTheItemTableContinuesOnStartsWithItsHeading) {
    auto pDoc = MakePricingJob();
    for (int i = 10; i < 70; ++i) {
        CRecord* pLine = AddPricedLine(*pDoc, std::to_string(i).c_str(), "2", "");
        Put(pLine, "Final", "125.00");
    }
    for (int nReport : {kRptDistribution, kRptParts}) {
        BodyPage page(nReport);
        const int nPages = page.Build(*pDoc);
        const CRptBaseClass& report = page.Report();
        ASSERT_GE(nPages, 3) << nReport;
        const Lines heading = FirstLines(report.GetBand(Locate(report).nHeading));
        const int nTotal = Locate(report).nTotal;
        for (int p = 2; p <= nPages; ++p) {
            const int nFirst = report.GetPageFirstBand(p);
            // Pages that begin before the total line continue the table.
            if (nFirst <= nTotal) {
                EXPECT_EQ(FirstLines(report.GetBand(nFirst)), heading) << nReport << " page " << p;
            }
        }
        // 4,800.00 + 6,301.00 + 1,950,000.00 + 60 x 2 x 125.00
        EXPECT_EQ(ColumnLines(report.GetBand(nTotal), 1), Lines({"$ 1,976,101.00"}));
    }
}
