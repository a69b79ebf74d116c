// The purchase order: order and address block, item table with net and
// extended net, the order total, the terms and the notes.
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

TEST(PurchaseOrder, OrderBlockItemsTotalTermsAndNotes) {
    auto pDoc = MakePricingJob();
    BodyPage page(kRptPurchaseOrder);
    EXPECT_TRUE(page.Landscape());
    EXPECT_EQ(page.Build(*pDoc), 1);
    const CRptBaseClass& report = page.Report();

    // Ship-to with a city and no state; bill-to with a state and no city.
    EXPECT_EQ(
        BandLines(report.GetBand(0)),
        (Columns{{"", "Project:", "Proposal Number:", "Corv No:", "FOB:", "Ship Via:", "", "Ship To:", ""},
                 {"", "Cooling water upgrade", "Q-2041 Rev B", "Unassigned", "Factory", "Truck", "",
                  "Harbour Chemical Works", "Gate 4, Dock Road", "Baytown  77520", ""},
                 {"", "Purchase Order:", "PO Date:", "Request Date:", "Engineer:", "", "", "Bill To:", ""},
                 {"", "PO-77812", "05/20/2026", "07/01/2026", "Gulf Process Engineers", "", "",
                  "Harbour Chemical Accounts", "TX  77001", ""}}));
    EXPECT_EQ(BandLines(report.GetBand(1)), Columns{{""}});
    EXPECT_EQ(FirstLines(report.GetBand(2)), Lines({"Item", "Qty", "Description", "Net", "Ext Net"}));

    // Item 1: descriptions, then the tag after them; 3 x 1,500.00.
    EXPECT_EQ(BandLines(report.GetBand(3)), (Columns{{"1"},
                                                     {"3"},
                                                     {"4\" ball valve double acting actuator", "FV-101", ""},
                                                     {"1,500.00"},
                                                     {"4,500.00"}}));
    EXPECT_EQ(BandLines(report.GetBand(4)), Columns{{""}});
    EXPECT_EQ(FirstLines(report.GetBand(5)), Lines({"2", "2", "6\" gate valve", "3,000.00", "6,000.00"}));
    // Item 3: its words above, then 1500 x 1,234.50 = 1,851,750.00.
    EXPECT_EQ(BandLines(report.GetBand(7)), Columns{{"Check valves for the pump discharge:"}});
    EXPECT_EQ(BandLines(report.GetBand(8))[4], Lines({"1,851,750.00"}));
    // Item 4 has no net: an empty net and 0.00.
    EXPECT_EQ(FirstLines(report.GetBand(10)), Lines({"4", "5", "", "", "0.00"}));
    // The empty last line is left out: blank band, then the total.
    EXPECT_EQ(BandLines(report.GetBand(11)), Columns{{""}});
    // 4,500 + 6,000 + 1,851,750 + 0
    EXPECT_EQ(BandLines(report.GetBand(12)), (Columns{{"Total Net:"}, {"1,862,250.00"}}));
    EXPECT_EQ(BandLines(report.GetBand(13)),
              (Columns{{"Shipping Notes", "Freight Terms", "Payment Terms", "Packaging"},
                       {":", ":", ":", ":"},
                       {"Deliver to gate 4", "Prepaid and add", "Net 30 Days", "Export crating"}}));
    EXPECT_EQ(BandLines(report.GetBand(14)), Columns{{""}});
    EXPECT_EQ(BandLines(report.GetBand(15)), Columns{{"Prices exclude taxes."}});
    EXPECT_EQ(BandLines(report.GetBand(16)), Columns{{"Quantities to be confirmed."}});
    EXPECT_EQ(report.GetBandCount(), 17);
}

TEST(PurchaseOrder, AnOverflowedQuantityStarsItsLineAndTheTotal) {
    auto pDoc = MakePricingJob();
    Put(pDoc->m_pTable->GetRecord(1), "Qty", "****");
    BodyPage page(kRptPurchaseOrder);
    page.Build(*pDoc);
    const CRptBaseClass& report = page.Report();
    EXPECT_EQ(FirstLines(report.GetBand(5))[4], "**********");
    EXPECT_EQ(FirstLines(report.GetBand(3))[4], "4,500.00");
    EXPECT_EQ(BandLines(report.GetBand(FindBand(report, "Total Net:"))),
              (Columns{{"Total Net:"}, {"**********"}}));
}

TEST(PurchaseOrder, AJobWithoutLinesPrintsAZeroTotal) {
    auto pDoc = MakePricingJob();
    pDoc->m_pTable->RemoveAll();
    pDoc->SetQNotes("");
    BodyPage page(kRptPurchaseOrder);
    EXPECT_EQ(page.Build(*pDoc), 1);
    EXPECT_EQ(page.Report().GetBandCount(), 5);
    EXPECT_EQ(BandLines(page.Report().GetBand(3)), (Columns{{"Total Net:"}, {"0.00"}}));
}

TEST(PurchaseOrder, TheMarketingGroupWithAlternativeTextsPrintsThemWhereSet) {
    auto pDoc = MakePricingJob();
    pDoc->SetMarketGroup(" kestrom ");
    CRecord* pItem1 = pDoc->m_pTable->GetRecord(0);
    Put(pItem1->GetChild()->GetRecord(0), "AltQuoteDescription", "DN100 ball valve  ");
    Put(pItem1->GetChild()->GetRecord(1), "AltQuoteDescription", "   ");
    BodyPage page(kRptPurchaseOrder);
    page.Build(*pDoc);
    // The first alternative without its trailing blanks; the second is only
    // blanks, so the plain description stands.
    EXPECT_EQ(ColumnLines(page.Report().GetBand(3), 2),
              Lines({"DN100 ball valve double acting actuator", "FV-101", ""}));
}
