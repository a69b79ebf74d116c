// The proposal summary (plain and by plant) and the project sell price
// sheet: item rows with extended values, totals with the overall
// multiplier and margin, plant groups with their subtotals, start-up and
// freight. Every expected value is worked out in the comments.
#include <gtest/gtest.h>

#include <string>

#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Table.h"
#include "reports/PrtSection.h"
#include "reports/ReportCatalog.h"
#include "reports/RptBaseClass.h"
#include "reports/RptPropSum1.h"
#include "tests/reports/BodyPage.h"
#include "tests/reports/PricingJob.h"

using Lines = std::vector<std::string>;
using Columns = std::vector<Lines>;

namespace {
const Lines kSpacer = {""};

// The job's extended values, line by line (Qty x price):
//   item 1: 3 x    net 1500.00, final 1600.00, list 2000.00, cost 1000.00
//   item 2: 2 x    net 3000.00, final 3150.50, list 4000.00, cost 2500.00
//   item 3: 1500 x net 1234.50, final 1300.00, list 1500.00, cost 1000.00
//   item 4: 5 x    net -,       final -,       list  100.00, cost   50.00
// NetExt   4,500 + 6,000 + 1,851,750 + 0 = 1,862,250.00
// FinalExt 4,800 + 6,301 + 1,950,000 + 0 = 1,961,101.00
// ListExt  6,000 + 8,000 + 2,250,000 + 500 = 2,264,500.00
// CostExt  3,000 + 5,000 + 1,500,000 + 250 = 1,508,250.00
// Mult   1,862,250 / 2,264,500 = 0.8224
// Margin (1,862,250 - 1,508,250) x 100 / 1,862,250 = 19.01
// Freight 1,961,101 - 1,862,250 = 98851.00
const Columns kGrandTotal = {{"___", "1,510"},
                             {"______", "0.8224"},
                             {"_________", "1,862,250.00"},
                             {"_________", "1,961,101.00"},
                             {""},
                             {"_________", "1,508,250.00"},
                             {"______", "19.01"}};
}  // namespace

TEST(ProposalSummary, RowsTotalsStartUpAndFreight) {
    auto pDoc = MakePricingJob();
    BodyPage page(kRptProposalSummary);
    EXPECT_TRUE(page.Landscape());
    EXPECT_EQ(page.Build(*pDoc), 1);
    const CRptBaseClass& report = page.Report();
    ASSERT_EQ(report.GetBandCount(), 14);
    EXPECT_EQ(BandLines(report.GetBand(1)), Columns{kSpacer});
    const CPrtSection* pHeading = report.GetBand(2);
    EXPECT_EQ(FirstLines(pHeading),
              Lines({"Item", "Qty", "Size", "Type", "MC", "Class", "Operator", "Accessories", "List", "Mult",
                     "Net", "NetExt", "Final", "FinalExt", "", "Cost", "CostExt", "Margin"}));
    EXPECT_EQ(ColumnLines(pHeading, 0), Lines({"Item", ""}));

    // A full row (Size and Type set) and a short one (Type only: Description).
    EXPECT_EQ(FirstLines(report.GetBand(3)),
              Lines({"1", "3", "4", "BALL", "A1", "150", "PNEU DA", "", "2,000.00", "0.7500", "1,500.00",
                     "4,500.00", "1,600.00", "4,800.00", "", "1,000.00", "3,000.00", "33.33"}));
    EXPECT_EQ(BandLines(report.GetBand(4)), Columns{kSpacer});
    EXPECT_EQ(FirstLines(report.GetBand(5)),
              Lines({"2", "2", "6 GATE 300", "GEAR", "", "4,000.00", "0.7500", "3,000.00", "6,000.00",
                     "3,150.50", "6,301.00", "", "2,500.00", "5,000.00", "16.67"}));
    EXPECT_EQ(FirstLines(report.GetBand(7))[11], "1,851,750.00");
    // Item 4 without net and final: 0.00 in both extended cells.
    const Lines item4 = FirstLines(report.GetBand(9));
    EXPECT_EQ(item4[7], "");
    EXPECT_EQ(item4[8], "0.00");
    EXPECT_EQ(item4[10], "0.00");
    EXPECT_EQ(item4[13], "250.00");
    // A spacer follows item 4 because an empty line trails it in the table.
    EXPECT_EQ(BandLines(report.GetBand(10)), Columns{kSpacer});

    EXPECT_EQ(BandLines(report.GetBand(11)), kGrandTotal);
    EXPECT_EQ(FirstLines(report.GetBand(12)),
              Lines({"Start-up assistance: One day of start-up assistance on site"}));
    EXPECT_EQ(FirstLines(report.GetBand(13)), Lines({"Total Freight Amount: 98851.00"}));
}

TEST(ProposalSummary, ByPlantGroupsTheRowsUnderSortedPlantsWithSubtotals) {
    auto pDoc = MakePricingJob();
    BodyPage page(kRptProposalSummaryPlant);
    EXPECT_EQ(page.Build(*pDoc), 1);
    auto& report = static_cast<CRptPropSum1&>(page.Report());
    // " EAST " and "EAST" are one plant once trimmed.
    ASSERT_EQ(report.m_plants.GetSize(), 3);
    EXPECT_EQ(report.m_plants[0].str(), "CENTRAL");
    EXPECT_EQ(report.m_plants[1].str(), "EAST");
    EXPECT_EQ(report.m_plants[2].str(), "WEST");

    int n = 3;  // after heading block, blank band and table heading
    EXPECT_EQ(BandLines(report.GetBand(n++)), (Columns{{"CENTRAL"}}));
    EXPECT_EQ(FirstLines(report.GetBand(n++))[0], "3");
    // CENTRAL: 1500; 1,851,750 / 2,250,000 = 0.8230; (1,851,750 - 1,500,000) x 100 / 1,851,750 = 19.00
    EXPECT_EQ(BandLines(report.GetBand(n++)), (Columns{{"___", "1,500"},
                                                       {"______", "0.8230"},
                                                       {"_________", "1,851,750.00"},
                                                       {"_________", "1,950,000.00"},
                                                       {""},
                                                       {"_________", "1,500,000.00"},
                                                       {"______", "19.00"}}));
    EXPECT_EQ(BandLines(report.GetBand(n++)), (Columns{{"", "EAST"}}));
    EXPECT_EQ(FirstLines(report.GetBand(n++))[0], "2");
    EXPECT_EQ(BandLines(report.GetBand(n++)), Columns{kSpacer});
    EXPECT_EQ(FirstLines(report.GetBand(n++))[0], "4");
    // EAST: 2 + 5 = 7; net 6,000.00 over list 8,000 + 500: 0.7059; cost
    // 5,000 + 250 = 5,250.00; margin 750 x 100 / 6,000 = 12.50
    EXPECT_EQ(BandLines(report.GetBand(n++)), (Columns{{"___", "7"},
                                                       {"______", "0.7059"},
                                                       {"_________", "6,000.00"},
                                                       {"_________", "6,301.00"},
                                                       {""},
                                                       {"_________", "5,250.00"},
                                                       {"______", "12.50"}}));
    EXPECT_EQ(BandLines(report.GetBand(n++)), (Columns{{"", "WEST"}}));
    EXPECT_EQ(FirstLines(report.GetBand(n++))[0], "1");
    // WEST: 3; 4,500 / 6,000 = 0.7500; 1,500 x 100 / 4,500 = 33.33
    EXPECT_EQ(BandLines(report.GetBand(n++)), (Columns{{"___", "3"},
                                                       {"______", "0.7500"},
                                                       {"_________", "4,500.00"},
                                                       {"_________", "4,800.00"},
                                                       {""},
                                                       {"_________", "3,000.00"},
                                                       {"______", "33.33"}}));
    EXPECT_EQ(BandLines(report.GetBand(n++)), (Columns{{"", "Total"}}));
    // The grand total is the sum of the three subtotals.
    EXPECT_EQ(BandLines(report.GetBand(n++)), kGrandTotal);
    EXPECT_EQ(FirstLines(report.GetBand(++n)), Lines({"Total Freight Amount: 98851.00"}));
    EXPECT_EQ(n + 1, report.GetBandCount());
}

TEST(ProposalSummary, LinesWithoutAPlantFormTheFirstGroup) {
    auto pDoc = MakePricingJob();
    Put(pDoc->m_pTable->GetRecord(1), "Plant", "  ");
    BodyPage page(kRptProposalSummaryPlant);
    page.Build(*pDoc);
    auto& report = static_cast<CRptPropSum1&>(page.Report());
    ASSERT_EQ(report.m_plants.GetSize(), 4);
    EXPECT_EQ(report.m_plants[0].str(), "");
    // The first title is one empty line, and item 2 follows it.
    EXPECT_EQ(BandLines(report.GetBand(3)), Columns{kSpacer});
    EXPECT_EQ(FirstLines(report.GetBand(4))[0], "2");
}

TEST(ProposalSummary, OverflowsStarTheTotalsTheyReach) {
    PricingJobOptions options;
    options.bOverflowLine = true;  // item 6: Final overflowed
    auto pDoc = MakePricingJob(options);
    BodyPage page(kRptProposalSummary);
    page.Build(*pDoc);
    const CRptBaseClass& report = page.Report();
    const Lines item6 = FirstLines(report.GetBand(FindBand(report, "6")));
    EXPECT_EQ(item6[9], "**********");  // Final as the field shows it
    EXPECT_EQ(item6[10], "**********");
    EXPECT_EQ(item6[8], "20.00");                          // NetExt still printed
    const int nTotal = FindBandWithText(report, "1,512");  // 1,510 + 2
    ASSERT_GE(nTotal, 0);
    const Columns total = BandLines(report.GetBand(nTotal));
    // NetExt 1,862,250 + 20 = 1,862,270.00; FinalExt starred.
    EXPECT_EQ(total[2], (Lines{"_________", "1,862,270.00"}));
    EXPECT_EQ(total[3], (Lines{"_________", "**********"}));
    EXPECT_EQ(FirstLines(report.GetBand(report.GetBandCount() - 1)),
              Lines({"Total Freight Amount: **********"}));

    // An overflowed quantity stars the quantity, ratios and amount totals.
    auto pOther = MakePricingJob();
    Put(pOther->m_pTable->GetRecord(0), "Qty", "****");
    page.Build(*pOther);
    const Columns starred = BandLines(page.Report().GetBand(page.Report().GetBandCount() - 3));
    EXPECT_EQ(starred, (Columns{{"___", "****"},
                                {"______", "*******"},
                                {"_________", "**********"},
                                {"_________", "**********"},
                                {""},
                                {"_________", "**********"},
                                {"______", "*******"}}));
}

TEST(ProposalSummary, RatiosTooLongForTheirFieldPrintAsStars) {
    auto pDoc = MakePricingJob();
    pDoc->m_pTable->RemoveAll();
    // Net far above list: 1000 / 8 = 125.0000 does not fit seven characters;
    // cost far above net: (1000 - 20000) x 100 / 1000 = -1900.00 does not either.
    CRecord* pLine = AddPricedLine(*pDoc, "1", "1", "1000.00");
    Put(pLine, "List", "8.00");
    Put(pLine, "Cost", "20000.00");
    BodyPage page(kRptProposalSummary);
    page.Build(*pDoc);
    const CRptBaseClass& report = page.Report();
    // The totals row comes before the start-up and freight lines.
    Columns total = BandLines(report.GetBand(report.GetBandCount() - 3));
    EXPECT_EQ(total[1], (Lines{"______", "*******"}));
    EXPECT_EQ(total[6], (Lines{"______", "*******"}));

    // 12.3456 fits.
    Put(pLine, "List", "81.00");
    Put(pLine, "Cost", "900.00");
    page.Build(*pDoc);
    total = BandLines(page.Report().GetBand(page.Report().GetBandCount() - 3));
    EXPECT_EQ(total[1], (Lines{"______", "12.3457"}));
    EXPECT_EQ(total[6], (Lines{"______", "10.00"}));
}

TEST(ProposalSummary, AJobWithoutLinesPrintsZeroTotalsOnOnePage) {
    auto pDoc = MakePricingJob();
    pDoc->m_pTable->RemoveAll();
    pDoc->SetStartUp("");
    for (int nReport : {kRptProposalSummary, kRptProposalSummaryPlant}) {
        BodyPage page(nReport);
        EXPECT_EQ(page.Build(*pDoc), 1);
        const CRptBaseClass& report = page.Report();
        const int n = report.GetBandCount();
        EXPECT_EQ(BandLines(report.GetBand(n - 2)), (Columns{{"___", "0"},
                                                             {"______", "*******"},
                                                             {"_________", "0.00"},
                                                             {"_________", "0.00"},
                                                             {""},
                                                             {"_________", "0.00"},
                                                             {"______", "*******"}}));
        EXPECT_EQ(FirstLines(report.GetBand(n - 1)), Lines({"Total Freight Amount: 0.00"}));
        EXPECT_EQ(n, nReport == kRptProposalSummaryPlant ? 6 : 5);
    }
}

TEST(ProjectSellPrice, RowsWithoutSpacersTotalsAndFreight) {
    auto pDoc = MakePricingJob();
    BodyPage page(kRptSellPrice);
    EXPECT_TRUE(page.Landscape());
    EXPECT_EQ(page.Build(*pDoc), 1);
    const CRptBaseClass& report = page.Report();
    ASSERT_EQ(report.GetBandCount(), 10);
    EXPECT_EQ(FirstLines(report.GetBand(2)), Lines({"Item", "Qty", "Size", "Type", "MC", "Class", "Operator",
                                                    "Accessories", "Net", "NetExt", "Final", "FinalExt"}));
    EXPECT_EQ(FirstLines(report.GetBand(3)), Lines({"1", "3", "4", "BALL", "A1", "150", "PNEU DA", "",
                                                    "1,500.00", "4,500.00", "1,600.00", "4,800.00"}));
    EXPECT_EQ(FirstLines(report.GetBand(4)),
              Lines({"2", "2", "6 GATE 300", "GEAR", "", "3,000.00", "6,000.00", "3,150.50", "6,301.00"}));
    EXPECT_EQ(FirstLines(report.GetBand(5))[9], "1,851,750.00");
    EXPECT_EQ(FirstLines(report.GetBand(6))[0], "4");
    EXPECT_EQ(BandLines(report.GetBand(7)),
              (Columns{{"___", "1,510"}, {"_________", "1,862,250.00"}, {"_________", "1,961,101.00"}}));
    EXPECT_EQ(FirstLines(report.GetBand(8))[0],
              "Start-up assistance: One day of start-up assistance on site");
    EXPECT_EQ(FirstLines(report.GetBand(9))[0], "Total Freight Amount: 98851.00");
}

TEST(ProjectSellPrice, ANetOverflowStarsTheNetTotalAndTheFreightOnly) {
    auto pDoc = MakePricingJob();
    Put(pDoc->m_pTable->GetRecord(0), "Net", "**********");
    BodyPage page(kRptSellPrice);
    page.Build(*pDoc);
    const CRptBaseClass& report = page.Report();
    EXPECT_EQ(BandLines(report.GetBand(7)),
              (Columns{{"___", "1,510"}, {"_________", "**********"}, {"_________", "1,961,101.00"}}));
    EXPECT_EQ(FirstLines(report.GetBand(9))[0], "Total Freight Amount: **********");
}
