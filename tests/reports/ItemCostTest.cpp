// The item cost development sheet: the project heading block, and per
// Summary line one block with its classification, its Detail lines'
// part numbers, weights and prices, the line's totals, lead time, buy-out,
// freight and final price.
#include <gtest/gtest.h>

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

TEST(ProjectHeadingBlock, ShowsTheProjectAndTheProposalWithTheBidTime) {
    auto pDoc = MakePricingJob();
    BodyPage page(kRptICDS);
    page.Build(*pDoc);
    const CPrtSection* pBlock = page.Report().GetBand(0);
    EXPECT_EQ(pBlock->m_nStyle, CPrtSection::kRuled);
    EXPECT_EQ(BandLines(pBlock),
              (std::vector<Lines>{
                  {"", "Project Name:", "Location:", "Engineer:", "Rep Name:", "Office:", ""},
                  {"", "Cooling water upgrade", "Baytown, TX", "Gulf Process Engineers", "Dana Wirth",
                   "Coastal Valve Sales"},
                  {"", "Proposal Number:", "Corv No:", "Prepared by:", "Quote Date:", "Bid Date and Time:"},
                  {"", "Q-2041 Rev B", "Unassigned", "Sam Ortega", "05/04/2026", "06/15/2026  02:30 PM"}}));

    // Without a bid date the value column ends at the quote date.
    pDoc->SetBidDate("");
    page.Build(*pDoc);
    EXPECT_EQ(ColumnLines(page.Report().GetBand(0), 3).size(), 5u);
}

TEST(ItemCostDevelopment, OneBlockPerLineWithItsDetailLinesAndTotals) {
    auto pDoc = MakePricingJob();
    BodyPage page(kRptICDS);
    EXPECT_TRUE(page.Landscape());
    EXPECT_EQ(page.Build(*pDoc), 1);
    const CRptBaseClass& report = page.Report();
    // Heading block, spacer, items 1 to 4; the empty last line is left out.
    ASSERT_EQ(report.GetBandCount(), 6);
    EXPECT_EQ(BandLines(report.GetBand(1)), (std::vector<Lines>{{""}}));

    const CPrtSection* p1 = report.GetBand(2);
    ASSERT_EQ(p1->GetColumnCount(), 13);
    EXPECT_EQ(FirstLines(p1), Lines({"Item: 1", "Qty: 3", "Type: BALL", "Plant: WEST", "PC: 12", "EC: 7", "",
                                     "", "", "", "", "", ""}));
    // Two Detail lines: 7 + 2 rows.
    EXPECT_EQ(p1->GetLineCount(), 9);
    EXPECT_EQ(ColumnLines(p1, 1), Lines({"Qty: 3", "", "4  150 CS 316 RF BALL", "DA-40 PNEUMATIC ACTUATOR",
                                         "", "Lead Time: 6 Weeks        Buy Out: 200.00",
                                         "Freight: 12000 lbs at 12.50/C.W.T", "", ""}));
    EXPECT_EQ(ColumnLines(p1, 6), Lines({"", "Part Number", "BV4-150", "ACT-DA40"}));
    // The Summary weight with separators in its column, without in the freight line.
    EXPECT_EQ(ColumnLines(p1, 7), Lines({"", "Weight", "100", "20", "_____", "12,000"}));
    EXPECT_EQ(ColumnLines(p1, 9),
              Lines({"", "List", "1,600.00", "400.00", "_________", "2,000.00", "Freight:", "Final:"}));
    EXPECT_EQ(ColumnLines(p1, 10),
              Lines({"", "Net", "1,200.00", "300.00", "_________", "1,500.00", "100.00", "1,600.00"}));
    EXPECT_EQ(ColumnLines(p1, 11), Lines({"", "Mult", "0.7500", "0.7500", "______", "0.7500"}));
    EXPECT_EQ(ColumnLines(p1, 12), Lines({"", "Margin", "33.33", "33.33", "______", "33.33"}));

    // Item 2 has no Weeks: the job's delivery text and nine blanks.
    EXPECT_EQ(ColumnLines(report.GetBand(3), 1)[4], "Lead Time: 8-10 weeks         Buy Out: ");
    // Item 4 has no Detail lines: seven rows.
    const CPrtSection* p4 = report.GetBand(5);
    EXPECT_EQ(p4->GetLineCount(), 7);
    EXPECT_EQ(ColumnLines(p4, 7), Lines({"", "Weight", "_____", ""}));
    EXPECT_EQ(ColumnLines(p4, 9), Lines({"", "List", "_________", "100.00", "Freight:", "Final:"}));
}

TEST(ItemCostDevelopment, ABlockThatMovesToANewPageStartsItBehindOneEmptyLine) {
    auto pDoc = MakePricingJob();
    for (int i = 10; i < 40; ++i) AddPricedLine(*pDoc, std::to_string(i).c_str(), "1", "10.00");
    BodyPage page(kRptICDS);
    const int nPages = page.Build(*pDoc);
    const CRptBaseClass& report = page.Report();
    ASSERT_GE(nPages, 2);
    for (int p = 2; p <= nPages; ++p) {
        const int nFirst = report.GetPageFirstBand(p);
        EXPECT_EQ(BandLines(report.GetBand(nFirst)), (std::vector<Lines>{{""}})) << "page " << p;
        EXPECT_EQ(report.GetBand(nFirst + 1)->GetColumnCount(), 13) << "page " << p;
    }
    // Every item is printed exactly once.
    int nBlocks = 0;
    for (int i = 0; i < report.GetBandCount(); ++i) nBlocks += report.GetBand(i)->GetColumnCount() == 13;
    EXPECT_EQ(nBlocks, 4 + 30);
}
