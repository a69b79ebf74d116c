// The Detail-to-Summary roll-up, with the expected entries worked out by
// hand from the Detail lines.
#include <gtest/gtest.h>

#include "tests/model/DocTestSupport.h"

namespace {
class RollUp : public ::testing::Test {
protected:
    void SetUp() override {
        row = l.AddLine();
        d = l.Details(row);
        doc.SetRate("10");
    }
    int Detail(const char* cost, const char* list, const char* net, const char* weight) {
        const int r = l.AddDetail(row);
        Put(d, r, "cost", cost);
        Put(d, r, "list", list);
        Put(d, r, "net", net);
        Put(d, r, "weight", weight);
        return r;
    }
    Entries Run() {
        CSlots s;
        s.RollUpDetailLines(&l.table, d, row, &doc);
        return EntriesOf(s);
    }

    Lines l;
    TestDoc doc;
    CTable* d = nullptr;
    int row = 0;
    RoundingPreference round{FALSE};
};

const std::pair<std::string, std::string> kNoDescription{"Description", ""};
}  // namespace

TEST_F(RollUp, CostAndListChangedWithoutDetailNetClearThePrices) {
    Detail("10.00", "20.00", "", "3");
    Detail("15.50", "", "", "4");
    Put(&l.table, row, "Net", "80.00");
    EXPECT_EQ(Run(), (Entries{{"Weight", "7"},
                              {"FrtAmount", "0.70"},
                              {"Cost", "25.50"},
                              {"List", "20.00"},
                              {"Detail Net", ""},
                              {"Net", ""},
                              {"Mult", ""},
                              {"Margin", ""},
                              {"Final", ""},
                              kNoDescription}));
}

TEST_F(RollUp, FreightFollowsTheRoundingPreference) {
    RoundingPreference on(TRUE);
    Detail("10.00", "20.00", "", "3");
    Detail("15.50", "", "", "4");
    const Entries e = Run();
    ASSERT_GE(e.size(), 2u);
    EXPECT_EQ(e[1], (std::pair<std::string, std::string>{"FrtAmount", "1.00"}));
}

TEST_F(RollUp, UnchangedSumsKeepATypedNetAndMoveFinalWithTheFreight) {
    Detail("10.00", "20.00", "", "3");
    Detail("15.50", "", "", "4");
    Put(&l.table, row, "Cost", "25.50");
    Put(&l.table, row, "List", "20.00");
    Put(&l.table, row, "Net", "80.00");
    EXPECT_EQ(Run(), (Entries{{"Weight", "7"},
                              {"FrtAmount", "0.70"},
                              {"Cost", "25.50"},
                              {"List", "20.00"},
                              {"Detail Net", ""},
                              {"Final", "80.70"},
                              kNoDescription}));
}

TEST_F(RollUp, DetailNetThatWasShownBeforeAndIsNowBlankClearsThePrices) {
    Detail("10.00", "20.00", "", "3");
    Detail("15.50", "", "", "4");
    Put(&l.table, row, "Cost", "25.50");
    Put(&l.table, row, "List", "20.00");
    Put(&l.table, row, "Detail Net", "50.00");
    Put(&l.table, row, "Net", "80.00");
    EXPECT_EQ(Run(), (Entries{{"Weight", "7"},
                              {"FrtAmount", "0.70"},
                              {"Cost", "25.50"},
                              {"List", "20.00"},
                              {"Detail Net", ""},
                              {"Net", ""},
                              {"Mult", ""},
                              {"Margin", ""},
                              {"Final", ""},
                              kNoDescription}));
}

TEST_F(RollUp, DetailNetPricesTheLine) {
    Detail("20.00", "40.00", "30.00", "3");
    Detail("10.00", "40.00", "20.00", "4");
    Put(&l.table, row, "Net", "99.00");  // replaced by the Detail lines' net
    // Mult 50 / 80 = 0.625; Margin (50 - 30) / 50 = 40 %; Final 50 + 0.70.
    EXPECT_EQ(Run(), (Entries{{"Weight", "7"},
                              {"FrtAmount", "0.70"},
                              {"Cost", "30.00"},
                              {"List", "80.00"},
                              {"Detail Net", "50.00"},
                              {"Net", "50.00"},
                              {"Mult", "0.6250"},
                              {"Margin", "40.00"},
                              {"Final", "50.70"},
                              kNoDescription}));
}

TEST_F(RollUp, DetailNetIsNotRoundedIntoNet) {
    RoundingPreference on(TRUE);
    Detail("10.00", "20.00", "12.40", "");
    const Entries e = Run();
    // No weight: Weight and FrtAmount cleared; Net takes 12.40 as it stands.
    EXPECT_EQ(e, (Entries{{"Weight", ""},
                          {"FrtAmount", ""},
                          {"Cost", "10.00"},
                          {"List", "20.00"},
                          {"Detail Net", "12.40"},
                          {"Net", "12.40"},
                          {"Mult", "0.6200"},
                          {"Margin", "19.35"},
                          {"Final", "12.40"},
                          kNoDescription}));
}

TEST_F(RollUp, OverflowingDetailNetClearsNetOnlyWhenSomethingChanged) {
    Detail("10.00", "20.00", "**********", "1");
    Detail("5.00", "20.00", "7.00", "1");
    Put(&l.table, row, "Net", "80.00");
    // "Detail Net" was empty and now overflows: the prices are cleared.
    EXPECT_EQ(Run(), (Entries{{"Weight", "2"},
                              {"FrtAmount", "0.20"},
                              {"Cost", "15.00"},
                              {"List", "40.00"},
                              {"Detail Net", "**********"},
                              {"Net", ""},
                              {"Mult", ""},
                              {"Margin", ""},
                              {"Final", ""},
                              kNoDescription}));

    // Already shown as an overflow, with the same Cost and List: Net stays.
    Put(&l.table, row, "Cost", "15.00");
    Put(&l.table, row, "List", "40.00");
    Put(&l.table, row, "Detail Net", "**********");
    EXPECT_EQ(Run(), (Entries{{"Weight", "2"},
                              {"FrtAmount", "0.20"},
                              {"Cost", "15.00"},
                              {"List", "40.00"},
                              {"Detail Net", "**********"},
                              {"Final", "80.20"},
                              kNoDescription}));
}

TEST_F(RollUp, OverflowingSumsBecomeOverflowEntries) {
    Detail("9999999.99", "", "", "999999");
    Detail("9999999.99", "", "", "1");
    const Entries e = Run();
    ASSERT_GE(e.size(), 3u);
    EXPECT_EQ(e[0], (std::pair<std::string, std::string>{"Weight", "******"}));
    EXPECT_EQ(e[1], (std::pair<std::string, std::string>{"FrtAmount", "**********"}));
    EXPECT_EQ(e[2], (std::pair<std::string, std::string>{"Cost", "**********"}));
}

TEST_F(RollUp, NoDetailLines) {
    Put(&l.table, row, "Net", "80.00");
    // Nothing shown before: nothing changed, so Net stays and Final follows
    // the cleared freight.
    EXPECT_EQ(Run(), (Entries{{"Weight", ""},
                              {"FrtAmount", ""},
                              {"Cost", ""},
                              {"List", ""},
                              {"Detail Net", ""},
                              {"Final", "80.00"},
                              kNoDescription}));
    Put(&l.table, row, "List", "10.00");
    EXPECT_EQ(Run(), (Entries{{"Weight", ""},
                              {"FrtAmount", ""},
                              {"Cost", ""},
                              {"List", ""},
                              {"Detail Net", ""},
                              {"Net", ""},
                              {"Mult", ""},
                              {"Margin", ""},
                              {"Final", ""},
                              kNoDescription}));
}

TEST_F(RollUp, BlankFreightRateClearsTheFreight) {
    doc.SetRate("");
    Detail("", "", "", "5");
    const Entries e = Run();
    ASSERT_GE(e.size(), 2u);
    EXPECT_EQ(e[0], (std::pair<std::string, std::string>{"Weight", "5"}));
    EXPECT_EQ(e[1], (std::pair<std::string, std::string>{"FrtAmount", ""}));
}

TEST_F(RollUp, NullTablesGiveNothing) {
    CSlots s;
    s.RollUpDetailLines(nullptr, d, row, &doc);
    s.RollUpDetailLines(&l.table, nullptr, row, &doc);
    EXPECT_TRUE(EntriesOf(s).empty());
}

namespace {
std::string Description(const Entries& e) {
    for (const auto& entry : e)
        if (entry.first == "Description") return entry.second;
    ADD_FAILURE() << "no Description entry";
    return {};
}
}  // namespace

TEST_F(RollUp, DescriptionFromSizeAndType) {
    Put(&l.table, row, "Size", "2");
    Put(&l.table, row, "Type", "BALL");
    Put(&l.table, row, "Class", "150");
    const int r = Detail("", "", "", "");
    Put(d, r, "QuoteDescription", "not used");
    EXPECT_EQ(Description(Run()), "2 BALL  150");
}

TEST_F(RollUp, DescriptionFromTheDetailLines) {
    Put(&l.table, row, "Size", "2");  // Type empty: the Detail lines describe the item
    for (const char* text : {"A", "", "B"}) Put(d, Detail("", "", "", ""), "QuoteDescription", text);
    EXPECT_EQ(Description(Run()), "A  B");
}

TEST_F(RollUp, DescriptionIsCutToTheField) {
    Put(d, Detail("", "", "", ""), "QuoteDescription", "0123456789012345678901234567890123456789");
    EXPECT_EQ(Description(Run()), "0123456789012345678901234567");
}

TEST_F(RollUp, KestromMarketUsesTheAlternativeDescriptions) {
    int r = Detail("", "", "", "");
    Put(d, r, "QuoteDescription", "Q1");
    Put(d, r, "AltQuoteDescription", "A1   ");
    r = Detail("", "", "", "");
    Put(d, r, "QuoteDescription", "Q2 ");
    Put(d, r, "AltQuoteDescription", "   ");
    r = Detail("", "", "", "");
    Put(d, r, "QuoteDescription", "Q3");
    EXPECT_EQ(Description(Run()), "Q1 Q2  Q3");
    doc.SetMarketGroup("  kestrom ");
    EXPECT_EQ(Description(Run()), "A1 Q2  Q3");
}

TEST_F(RollUp, RollUpAndPriceDetailAlsoPricesTheDetailLine) {
    const int r = Detail("20.00", "40.00", "30.00", "");
    CSlots s;
    s.RollUpAndPriceDetail(&l.table, d, row, r, &doc);
    const Entries e = EntriesOf(s);
    ASSERT_GE(e.size(), 2u);
    // (30 - 20) / 30 = 33.33 %, 30 / 40 = 0.75
    EXPECT_EQ(e[e.size() - 2], (std::pair<std::string, std::string>{"margin", "33.33"}));
    EXPECT_EQ(e[e.size() - 1], (std::pair<std::string, std::string>{"mult", "0.7500"}));
    EXPECT_EQ(e[4], (std::pair<std::string, std::string>{"Detail Net", "30.00"}));

    CSlots same;
    same.RollUpDetail(&l.table, d, row, &doc);
    EXPECT_EQ(EntriesOf(same), Entries(e.begin(), e.end() - 2));
}
