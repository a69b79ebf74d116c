#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/NewJobDefaults.h"
#include "model/Table.h"
#include "reports/PageMetrics.h"
#include "reports/PrtSection.h"
#include "reports/QuoteOne.h"
#include "reports/ReportCatalog.h"
#include "reports/ReportMessages.h"
#include "tests/reports/ReportJob.h"

namespace {
using V = std::vector<std::string>;

V Lines(const CPrtSection* pBand, int nColumn) {
    V out;
    const CPrtCol* pCol = pBand->GetColumn(nColumn);
    for (int i = 0; i < pCol->GetLineCount(); ++i) out.push_back(pCol->GetLine(i).GetString());
    return out;
}

std::string Joined(const CPrtSection* pBand, int nColumn) {
    std::string all;
    for (const std::string& s : Lines(pBand, nColumn)) all += (all.empty() ? "" : " ") + s;
    return all;
}

const std::string kLineOne =
    "Cooling water return XV-101 2\" ball valve, carbon steel body, 316 SS trim, class 150 RF "
    "Pneumatic actuator, spring return, with limit switches ";

class QuoteLetter : public ::testing::Test {
protected:
    void SetUp() override { FillRealisticJob(doc); }

    // Builds the letter as the first page of a print does.
    std::unique_ptr<CQuoteOne> Build(int bPrices, int bLumpSum) {
        auto letter = std::make_unique<CQuoteOne>(bPrices, bLumpSum);
        LetterPrint print(doc, recorder);
        recorder.RecordPage([&](CDC* pDC) {
            pDC->SetMapMode(MM_LOENGLISH);
            HGDIOBJ hOld = pDC->SelectObject(&print.jobFont);
            pages = letter->BuildReport(pDC, &print.info, &doc, print.laterTop, 75);
            pDC->SelectObject(hOld);
        });
        return letter;
    }

    // The band whose first column's first line is `first`.
    static const CPrtSection* FindBand(const CRptBaseClass& report, const char* first, int from = 0) {
        for (int i = from; i < report.GetBandCount(); ++i) {
            const CPrtCol* pCol = report.GetBand(i)->GetColumn(0);
            if (pCol->GetLineCount() > 0 && pCol->GetLine(0) == first) return report.GetBand(i);
        }
        return nullptr;
    }
    static int FindBandIndex(const CRptBaseClass& report, const CPrtSection* pBand) {
        for (int i = 0; i < report.GetBandCount(); ++i)
            if (report.GetBand(i) == pBand) return i;
        return -1;
    }

    CCorvDoc doc;
    CPageRecorder recorder;
    int pages = 0;
};
}  // namespace

TEST_F(QuoteLetter, QuoteHasTheAddresseeBlockPricesAndAnOverflowedLumpSum) {
    auto letter = Build(1, 1);
    const CPrtSection* pTo = letter->GetBand(0);
    EXPECT_EQ(pTo->m_nStyle, CPrtSection::kRuled);
    EXPECT_EQ(Lines(pTo, 0), (V{"", "To:", ""}));
    EXPECT_EQ(Lines(pTo, 1), (V{"", "Harlow Process Systems", "77 Canal Street", "Springfield, IL  62701",
                                "Attn: M. Brennan", "Phone: (217) 555-0199", ""}));
    EXPECT_EQ(
        Lines(pTo, 2),
        (V{"", "Date:", "Proposal Number:", "Corv No:", "Inquiry Number:", "Bid Date:", "Project:", ""}));
    EXPECT_EQ(Lines(pTo, 3), (V{"", "03/14/2026", "Q-26-0142 Rev B", "Unassigned", "RFQ 5531",
                                "03/30/2026  02:30 PM", "North Basin Water Treatment", ""}));
    EXPECT_EQ(Lines(letter->GetBand(1), 0), (V{"", ""}));
    EXPECT_EQ(Lines(letter->GetBand(2), 0)[0],
              "We are pleased to offer the following valves and actuators for the above project.");
    EXPECT_EQ(Lines(letter->GetBand(3), 0), (V{""}));
    EXPECT_EQ(Lines(letter->GetBand(5), 0), (V{""}));

    const CPrtSection* pHeading = letter->GetBand(6);
    ASSERT_EQ(pHeading->GetColumnCount(), 5);
    EXPECT_EQ(Lines(pHeading, 0), (V{"Item", ""}));
    EXPECT_EQ(Lines(pHeading, 3), (V{"Unit Price"}));
    EXPECT_EQ(Lines(pHeading, 4), (V{"Extended"}));
    EXPECT_TRUE(pHeading->GetColumn(2)->m_bUnderline);

    EXPECT_EQ(Lines(letter->GetBand(7), 0), (V{"Area 100 - Intake"}));
    const CPrtSection* pOne = letter->GetBand(8);
    EXPECT_EQ(Lines(pOne, 0), (V{"1"}));
    EXPECT_EQ(Joined(pOne, 2), kLineOne);
    EXPECT_EQ(Lines(pOne, 2).front(), "Cooling water return");
    EXPECT_EQ(Lines(pOne, 2)[1], "XV-101");
    EXPECT_EQ(Lines(pOne, 2).back(), "");
    EXPECT_EQ(Lines(pOne, 3), (V{"2,480.00"}));
    EXPECT_EQ(Lines(pOne, 4), (V{"2,480.00"}));

    const CPrtSection* pThree = FindBand(*letter, "3");
    EXPECT_NE(Joined(pThree, 2).find("class 150 RF Pneumatic actuator"), std::string::npos);
    EXPECT_NE(Joined(pThree, 2).find("limit switches Supplied with mating flanges. Bolting by others. "),
              std::string::npos);
    const CPrtSection* pFive = FindBand(*letter, "5");
    EXPECT_EQ(Lines(pFive, 1), (V{"12"}));
    EXPECT_EQ(Lines(pFive, 3), (V{"48,500.00"}));
    EXPECT_EQ(Lines(pFive, 4), (V{"582,000.00"}));
    const CPrtSection* pTwelve = FindBand(*letter, "12");
    EXPECT_EQ(Lines(pTwelve, 3), (V{""}));
    EXPECT_EQ(Lines(pTwelve, 4), (V{"0.00"}));
    const CPrtSection* pTwenty = FindBand(*letter, "20");
    EXPECT_EQ(Lines(pTwenty, 3), (V{"**********"}));
    EXPECT_EQ(Lines(pTwenty, 4), (V{"**********"}));
    const CPrtSection* pThirty = FindBand(*letter, "30");
    EXPECT_EQ(Lines(pThirty, 1), (V{""}));
    EXPECT_TRUE(Lines(pThirty, 4).empty());

    const CPrtSection* pLump = FindBand(*letter, RptMsg::kLumpSum);
    ASSERT_NE(pLump, nullptr);
    EXPECT_EQ(Lines(pLump, 1), (V{"**********"}));
    EXPECT_EQ(FindBandIndex(*letter, pLump), FindBandIndex(*letter, pThirty) + 1);
}

TEST_F(QuoteLetter, TheClosingBlocksFollowTheTable) {
    auto letter = Build(1, 1);
    const int lump = FindBandIndex(*letter, FindBand(*letter, RptMsg::kLumpSum));
    ASSERT_GT(lump, 0);
    const int n = letter->GetBandCount();
    ASSERT_EQ(n, lump + 11);
    EXPECT_EQ(Lines(letter->GetBand(lump + 1), 0), (V{"", "Start-up assistance: one day on site, included"}));
    EXPECT_EQ(Lines(letter->GetBand(lump + 2), 0), (V{""}));
    EXPECT_EQ(Lines(letter->GetBand(lump + 3), 0),
              (V{"Drawings will follow within two weeks of the order."}));
    EXPECT_EQ(Lines(letter->GetBand(lump + 4), 0), (V{""}));
    EXPECT_EQ(Lines(letter->GetBand(lump + 5), 0), (V{"Commercial Terms:"}));
    const CPrtSection* pTerms = letter->GetBand(lump + 6);
    EXPECT_EQ(Lines(pTerms, 0),
              (V{"FOB Point", "Freight Terms", "Payment Terms", "Price Validity", "Lead Time"}));
    EXPECT_EQ(Lines(pTerms, 1), (V{":", ":", ":", ":", ":"}));
    EXPECT_EQ(Lines(pTerms, 2), (V{"Factory, Dayton OH", "Prepaid and added", "Net 30 days", "60 days",
                                   "6 to 8 weeks after approval"}));
    EXPECT_EQ(Lines(letter->GetBand(lump + 7), 0), (V{""}));
    EXPECT_EQ(Lines(letter->GetBand(lump + 8), 0),
              (V{"Warranty: 18 months from shipment or 12 months from start-up."}));
    const std::string indent(30, ' ');
    const V rep = Lines(letter->GetBand(lump + 9), 0);
    ASSERT_GE(rep.size(), 5u);
    EXPECT_EQ(rep[rep.size() - 4], indent + "Lee Parrish");
    EXPECT_EQ(rep[rep.size() - 3], indent + "(312) 555-0110");
    EXPECT_EQ(rep[rep.size() - 2], indent + "Great Lakes Valve Sales");
    EXPECT_EQ(rep[rep.size() - 1], indent + "Chicago, IL  60601");
    EXPECT_EQ(Lines(letter->GetBand(n - 1), 0), (V{"", "Sincerely,", "Dana Whitfield", "Application Engineer",
                                                   "", "cc: R. Okafor, Regional Manager"}));
}

TEST_F(QuoteLetter, LumpSumTotalsQtyTimesFinalOverEveryLine) {
    PutField(doc, 19, "Final", "1250.50");  // the overflowed price mended
    auto quote = Build(1, 1);
    EXPECT_EQ(Lines(FindBand(*quote, RptMsg::kLumpSum), 1), (V{"$ 649,233.00"}));
    EXPECT_EQ(Lines(FindBand(*quote, "20"), 4), (V{"2,501.00"}));

    // Scope (Priced): three columns, no amounts, the same lump sum.
    auto priced = Build(0, 1);
    EXPECT_EQ(priced->GetBand(6)->GetColumnCount(), 3);
    EXPECT_EQ(FindBand(*priced, "5")->GetColumnCount(), 3);
    EXPECT_EQ(Lines(FindBand(*priced, RptMsg::kLumpSum), 1), (V{"$ 649,233.00"}));

    // Scope: three columns and no lump sum.
    auto scope = Build(0, 0);
    EXPECT_EQ(Lines(scope->GetBand(6), 2), (V{"Description"}));
    EXPECT_EQ(FindBand(*scope, RptMsg::kLumpSum), nullptr);
    EXPECT_EQ(Joined(FindBand(*scope, "1"), 2), kLineOne);
}

TEST_F(QuoteLetter, EveryPageThatContinuesTheTableStartsWithItsHeading) {
    for (int prices : {1, 0}) {
        auto letter = Build(prices, 1);
        ASSERT_EQ(pages, 3) << prices;
        ASSERT_EQ(letter->GetPageCount(), 3);
        for (int page = 2; page <= 3; ++page) {
            const CPrtSection* pFirst = letter->GetBand(letter->GetPageFirstBand(page));
            const bool inTable =
                letter->GetPageFirstBand(page) <= FindBandIndex(*letter, FindBand(*letter, RptMsg::kLumpSum));
            if (!inTable) continue;
            EXPECT_EQ(Lines(pFirst, 0), (V{"Item", ""})) << "page " << page;
            EXPECT_TRUE(pFirst->GetColumn(0)->m_bUnderline);
            EXPECT_NE(pFirst, letter->GetBand(6));  // a copy, not the first heading
        }
        EXPECT_EQ(letter->GetPageEndBand(3), letter->GetBandCount());
    }
}

TEST_F(QuoteLetter, BuildingTwiceGivesTheSameBandsAndPages) {
    auto letter = Build(1, 1);
    const int bands = letter->GetBandCount();
    LetterPrint print(doc, recorder);
    int again = 0;
    recorder.RecordPage([&](CDC* pDC) {
        pDC->SetMapMode(MM_LOENGLISH);
        pDC->SelectObject(&print.jobFont);
        again = letter->BuildReport(pDC, &print.info, &doc, print.laterTop, 75);
    });
    EXPECT_EQ(again, pages);
    EXPECT_EQ(letter->GetBandCount(), bands);
}

TEST_F(QuoteLetter, AnEmptyJobPrintsTheHeadingAndAZeroLumpSum) {
    CCorvDoc empty;
    empty.InitNewJobData(CNewJobDefaults());
    empty.m_pTable->RemoveAll();
    auto letter = std::make_unique<CQuoteOne>(1, 1);
    LetterPrint print(empty, recorder);
    recorder.RecordPage([&](CDC* pDC) {
        pDC->SetMapMode(MM_LOENGLISH);
        pDC->SelectObject(&print.jobFont);
        EXPECT_EQ(letter->BuildReport(pDC, &print.info, &empty, print.laterTop, 75), 1);
    });
    EXPECT_EQ(Lines(letter->GetBand(0), 1), (V{"", "", ""}));  // the empty customer keeps its line
    EXPECT_EQ(Lines(letter->GetBand(0), 3)[2], "");            // no quote number, no revision
    EXPECT_EQ(Lines(FindBand(*letter, RptMsg::kLumpSum), 1), (V{"$ 0.00"}));
}
