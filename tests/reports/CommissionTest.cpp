// The commission report: per line the net and buy-out extended, the job's
// rate and the rate earned on the net; the totals; the job with freight;
// and the split of the commission into shares of 30, 30, 20 and 20 percent
// of the extended net. Every expected value is worked out in the comments.
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
using Columns = std::vector<Lines>;

namespace {
struct CommissionBands {
    int nHeading = -1;
    int nTotals = -1;
    int nSplit = -1;
};

CommissionBands Locate(const CRptBaseClass& report) {
    CommissionBands at;
    at.nHeading = FindBandWithText(report, "Ext Comm");
    at.nSplit = FindBandWithText(report, "Total Job with Freight:");
    at.nTotals = at.nSplit - 1;
    return at;
}
}  // namespace

TEST(CommissionReport, ComputesEachLinesCommissionAndTheSplit) {
    PricingJobOptions options;
    options.bEmptyNetLine = false;
    auto pDoc = MakePricingJob(options);
    BodyPage page(kRptCommission);
    EXPECT_FALSE(page.Landscape());
    EXPECT_EQ(page.Build(*pDoc), 1);
    const CRptBaseClass& report = page.Report();
    const CommissionBands at = Locate(report);
    // The project heading block, then the column headings.
    EXPECT_EQ(at.nHeading, 1);
    EXPECT_EQ(BandLines(report.GetBand(1)), (Columns{{"", "Item", ""},
                                                     {"", "Qty"},
                                                     {"", "Net"},
                                                     {"", "Ext Net"},
                                                     {"", "Buy Out"},
                                                     {"", "Ext Buy Out"},
                                                     {"", "Comm (Job)"},
                                                     {"", "Comm"},
                                                     {"", "Ext Comm"}}));

    // Item 1: 3 x 1500.00 net, 3 x 200.00 buy-out, 5 %:
    //   A1 = R(5 x 1300) / 100 = 65.00, A2 = R(5 x 200 x 0.5) / 100 = 5.00,
    //   rate 70.00 x 100 / 1500 = 4.67 %, extended 3 x 70.00 = 210.00.
    EXPECT_EQ(FirstLines(report.GetBand(2)),
              Lines({"1", "3", "1,500.00", "4,500.00", "200.00", "600.00", "5.00 %", "4.67 %", "210.00"}));
    // Item 2: no buy-out, 4 %: A1 = 120.00, rate 4.00 %, extended 240.00.
    EXPECT_EQ(FirstLines(report.GetBand(3)),
              Lines({"2", "2", "3,000.00", "6,000.00", "", "0.00", "4.00 %", "4.00 %", "240.00"}));
    // Item 3: 1500 x 1234.50 net, 100.00 buy-out, 2.50 %:
    //   A1 = R(2.5 x 1134.50) / 100 = R(2836.25) / 100 = 28.36,
    //   A2 = R(2.5 x 100 x 0.5) / 100 = 1.25, rate 29.61 x 100 / 1234.50 = 2.40 %,
    //   extended 1500 x 29.61 = 44,415.00.
    EXPECT_EQ(FirstLines(report.GetBand(4)), Lines({"3", "1500", "1,234.50", "1,851,750.00", "100.00",
                                                    "150,000.00", "2.50 %", "2.40 %", "44,415.00"}));
    // The empty last line is left out.
    EXPECT_EQ(at.nTotals, 5);

    // Totals: 3 + 2 + 1500 = 1505; 4,500 + 6,000 + 1,851,750 = 1,862,250.00; 600 + 150,000 =
    // 150,600.00; 210 + 240 + 44,415 = 44,865.00; 44,865 x 100 / 1,862,250 = 2.41 %.
    EXPECT_EQ(BandLines(report.GetBand(at.nTotals)), (Columns{{"___", "1,505"},
                                                              {"_________", "1,862,250.00"},
                                                              {"_________", "150,600.00"},
                                                              {"_______", "2.41 %"},
                                                              {"_________", "44,865.00"}}));
    // Finals: 3 x 1600 + 2 x 3150.50 + 1500 x 1300 = 1,961,101.00; freight
    // 1,961,101 - 1,862,250 = 98,851.00. Shares of the extended net:
    // 44,865 x 30 / 1,862,250 = 0.72 %, 44,865 x 20 / 1,862,250 = 0.48 %.
    EXPECT_EQ(BandLines(report.GetBand(at.nSplit)),
              (Columns{{"", "Total Job with Freight:", "Total Extended Freight:"},
                       {"", "1,961,101.00", "98,851.00"},
                       {"", "Purchase Order @ 30%  =  0.72 %", "Engineering @ 30%  =  0.72 %",
                        "Influence @ 20%  =  0.48 %", "Territory @ 20%  =  0.48 %"}}));
}

TEST(CommissionReport, OneLineWithoutANetStarsTheCommissionTotalsAndTheSplit) {
    auto pDoc = MakePricingJob();  // item 4: 5 pieces without a net
    BodyPage page(kRptCommission);
    page.Build(*pDoc);
    const CRptBaseClass& report = page.Report();
    const CommissionBands at = Locate(report);
    EXPECT_EQ(FirstLines(report.GetBand(FindBand(report, "4"))),
              Lines({"4", "5", "", "0.00", "", "0.00", "5.00 %", "****** %", "**********"}));
    EXPECT_EQ(BandLines(report.GetBand(at.nTotals)), (Columns{{"___", "1,510"},
                                                              {"_________", "1,862,250.00"},
                                                              {"_________", "150,600.00"},
                                                              {"_______", "****** %"},
                                                              {"_________", "**********"}}));
    // The job with freight is printed whatever the flags say.
    EXPECT_EQ(BandLines(report.GetBand(at.nSplit)),
              (Columns{{"", "Total Job with Freight:", "Total Extended Freight:"},
                       {"", "1,961,101.00", "98,851.00"},
                       {"", "Purchase Order @ 30%  =  **** %", "Engineering @ 30%  =  **** %",
                        "Influence @ 20%  =  **** %", "Territory @ 20%  =  **** %"}}));
}

TEST(CommissionReport, RatesSurviveTheRoundingOfTheCommissionToCents) {
    auto pDoc = MakePricingJob();
    pDoc->m_pTable->RemoveAll();
    CRecord* pLine = AddPricedLine(*pDoc, "1", "1", "1.00");
    Put(pLine, "Comm", "5.55");
    Put(pLine, "Final", "0.50");
    BodyPage page(kRptCommission);
    page.Build(*pDoc);
    const CRptBaseClass& report = page.Report();
    // R(5.55 x 1.00) / 100 = 0.06: 6.00 % of the net.
    EXPECT_EQ(ColumnLines(report.GetBand(2), 7), Lines({"6.00 %"}));
    // Finals below nets: a negative freight, without separators.
    EXPECT_EQ(ColumnLines(report.GetBand(Locate(report).nSplit), 1), Lines({"", "0.50", "-0.50"}));
}

TEST(CommissionReport, AnOverflowedQuantityStarsEveryTotalThatDependsOnIt) {
    auto pDoc = MakePricingJob();
    pDoc->m_pTable->RemoveAll();
    CRecord* pLine = AddPricedLine(*pDoc, "1", "****", "100.00");
    Put(pLine, "Comm", "5.00");
    Put(pLine, "Final", "120.00");
    BodyPage page(kRptCommission);
    page.Build(*pDoc);
    const CRptBaseClass& report = page.Report();
    EXPECT_EQ(FirstLines(report.GetBand(2)), Lines({"1", "****", "100.00", "**********", "", "**********",
                                                    "5.00 %", "5.00 %", "**********"}));
    const CommissionBands at = Locate(report);
    EXPECT_EQ(ColumnLines(report.GetBand(at.nTotals), 0), Lines({"___", "****"}));
    EXPECT_EQ(ColumnLines(report.GetBand(at.nTotals), 1), Lines({"_________", "**********"}));
    // The line's final is left out of the job with freight.
    EXPECT_EQ(ColumnLines(report.GetBand(at.nSplit), 1), Lines({"", "0.00", "0.00"}));
}
