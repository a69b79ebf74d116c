// The field rules and the recalculation after a typed cell, on lines of
// the built-in layouts. Expected texts are worked out by hand.
#include <gtest/gtest.h>

#include "tests/model/DocTestSupport.h"

namespace {
// A Summary line with Cost 60.00, List 100.00 and FrtAmount 5.00.
class SummaryEdit : public ::testing::Test {
protected:
    void SetUp() override {
        row = l.AddLine();
        Put(&l.table, row, "Cost", "60.00");
        Put(&l.table, row, "List", "100.00");
        Put(&l.table, row, "FrtAmount", "5.00");
    }
    // Types the text into the field, as the editor does before the rules run.
    Entries Type(const char* name, const char* text) {
        Put(&l.table, row, name, text);
        CSlots s;
        const BOOL drives = s.RecalcSummaryCell(&l.table, row, l.summary.FindField(name));
        EXPECT_TRUE(drives) << name;
        return EntriesOf(s);
    }

    Lines l;
    int row = 0;
    RoundingPreference round{FALSE};
};
}  // namespace

TEST_F(SummaryEdit, TypingNet) {
    EXPECT_EQ(Type("Net", "80.00"), (Entries{{"Margin", "25.00"}, {"Mult", "0.8000"}, {"Final", "85.00"}}));
}

TEST_F(SummaryEdit, TypingMult) {
    EXPECT_EQ(Type("Mult", "0.9000"), (Entries{{"Net", "90.00"}, {"Margin", "33.33"}, {"Final", "95.00"}}));
    RoundingPreference on(TRUE);
    EXPECT_EQ(Type("Mult", "0.9000"), (Entries{{"Net", "90.00"}, {"Margin", "33.33"}, {"Final", "95.00"}}));
    // 100 x 0.905 = 90.5 -> 91 with rounding; margin and final follow the rounded net.
    EXPECT_EQ(Type("Mult", "0.9050"), (Entries{{"Net", "91.00"}, {"Margin", "34.07"}, {"Final", "96.00"}}));
}

TEST_F(SummaryEdit, TypingMargin) {
    EXPECT_EQ(Type("Margin", "40"), (Entries{{"Net", "100.00"}, {"Mult", "1.0000"}, {"Final", "105.00"}}));
}

TEST_F(SummaryEdit, TypingFinal) {
    EXPECT_EQ(Type("Final", "85.00"), (Entries{{"Net", "80.00"}, {"Mult", "0.8000"}, {"Margin", "25.00"}}));
}

TEST_F(SummaryEdit, MultWithoutListIsDroppedAgain) {
    Put(&l.table, row, "List", "");
    EXPECT_EQ(Type("Mult", "0.5000"), (Entries{{"Mult", ""}}));
}

TEST_F(SummaryEdit, MarginWithoutCostIsDroppedAgain) {
    Put(&l.table, row, "Cost", "");
    EXPECT_EQ(Type("Margin", "25.00"), (Entries{{"Margin", ""}}));
}

TEST_F(SummaryEdit, MarginOfHundredKeepsNetAndShowsItsMargin) {
    Put(&l.table, row, "Net", "80.00");
    EXPECT_EQ(Type("Margin", "100"), (Entries{{"Margin", "25.00"}}));
}

TEST_F(SummaryEdit, ClearingNetClearsItsDependants) {
    Put(&l.table, row, "Net", "80.00");
    EXPECT_EQ(Type("Net", ""), (Entries{{"Margin", ""}, {"Mult", ""}, {"Final", ""}}));
    // A blank multiplier clears Net and, through it, Margin and Final.
    EXPECT_EQ(Type("Mult", ""), (Entries{{"Net", ""}, {"Margin", ""}, {"Final", ""}}));
}

TEST_F(SummaryEdit, ZeroNet) {
    EXPECT_EQ(Type("Net", "0.00"), (Entries{{"Margin", ""}, {"Mult", "0.0000"}, {"Final", "5.00"}}));
}

TEST_F(SummaryEdit, OverflowSpreadsToEveryResultOfTheNewNet) {
    EXPECT_EQ(Type("Mult", "*******"),
              (Entries{{"Net", "**********"}, {"Margin", "*******"}, {"Final", "**********"}}));
}

TEST_F(SummaryEdit, OtherColumnsDriveNothing) {
    for (const char* name : {"Qty", "BuyOut", "Comm", "Description", "Tag", "Cost", "Weight"}) {
        CSlots s;
        EXPECT_FALSE(s.RecalcSummaryCell(&l.table, row, l.summary.FindField(name))) << name;
        EXPECT_TRUE(EntriesOf(s).empty()) << name;
    }
    CSlots s;
    EXPECT_FALSE(s.RecalcSummaryCell(nullptr, 0, 7));
    EXPECT_FALSE(s.RecalcSummaryCell(&l.table, row, -1));
}

TEST_F(SummaryEdit, RecalcAppendsToWhatTheListHolds) {
    CSlots s;
    s.Add("Net", "50.00");  // an earlier entry of the same name wins for the reader
    Put(&l.table, row, "Mult", "0.9000");
    EXPECT_TRUE(s.RecalcSummaryCell(&l.table, row, l.summary.FindField("Mult")));
    EXPECT_EQ(EntriesOf(s),
              (Entries{{"Net", "50.00"}, {"Net", "90.00"}, {"Margin", "-20.00"}, {"Final", "55.00"}}));
}

namespace {
// A Detail line with cost 40.00, list 100.00 and net 50.00.
class DetailEdit : public ::testing::Test {
protected:
    void SetUp() override {
        const int line = l.AddLine();
        d = l.Details(line);
        row = l.AddDetail(line);
        Put(d, row, "cost", "40.00");
        Put(d, row, "list", "100.00");
        Put(d, row, "net", "50.00");
    }
    Entries Type(const char* name, const char* text) {
        Put(d, row, name, text);
        CSlots s;
        EXPECT_TRUE(s.RecalcDetailCell(d, row, l.detail.FindField(name))) << name;
        return EntriesOf(s);
    }

    Lines l;
    CTable* d = nullptr;
    int row = 0;
    RoundingPreference round{FALSE};
};
}  // namespace

TEST_F(DetailEdit, TypingMult) {
    EXPECT_EQ(Type("mult", "0.6000"), (Entries{{"net", "60.00"}, {"margin", "33.33"}}));
}

TEST_F(DetailEdit, TypingCostOrList) {
    EXPECT_EQ(Type("cost", "45.00"), (Entries{{"margin", "10.00"}}));
    EXPECT_EQ(Type("list", "80.00"), (Entries{{"mult", "0.6250"}}));
}

TEST_F(DetailEdit, TypingNet) {
    EXPECT_EQ(Type("net", "80.00"), (Entries{{"margin", "50.00"}, {"mult", "0.8000"}}));
}

TEST_F(DetailEdit, TypingMargin) {
    EXPECT_EQ(Type("margin", "20"), (Entries{{"net", "50.00"}, {"mult", "0.5000"}}));
    // A margin of 100 keeps the line's net (50.00) and shows its margin over the cost.
    EXPECT_EQ(Type("margin", "100.00"), (Entries{{"margin", "20.00"}}));
    Put(d, row, "cost", "");
    EXPECT_EQ(Type("margin", "20"), (Entries{{"margin", ""}}));
}

TEST_F(DetailEdit, MultWithoutListIsDroppedAgain) {
    Put(d, row, "list", "");
    EXPECT_EQ(Type("mult", "0.6000"), (Entries{{"mult", ""}}));
}

TEST_F(DetailEdit, OtherColumnsAndSummaryNamesDriveNothing) {
    CSlots s;
    EXPECT_FALSE(s.RecalcDetailCell(d, row, l.detail.FindField("weight")));
    EXPECT_FALSE(s.RecalcDetailCell(d, row, l.detail.FindField("PartNumber")));
    EXPECT_FALSE(s.RecalcDetailCell(nullptr, 0, 4));
    // The Summary routine finds none of its capitalised fields on a Detail line.
    EXPECT_FALSE(s.RecalcSummaryCell(d, row, l.detail.FindField("net")));
    EXPECT_TRUE(EntriesOf(s).empty());
}

TEST(PriceRule, RulesNeedTheirResultFieldAndTheirNewEntries) {
    RoundingPreference off(FALSE);
    Lines l;
    const int row = l.AddLine();
    Put(&l.table, row, "Net", "80.00");
    CSlots s;
    // No entry to read yet: nothing.
    s.RuleMarginNewNet(&l.table, row);
    s.RuleMultNewNet(&l.table, row);
    s.RuleFinalNewNet(&l.table, row);
    s.RuleFinalNewNetFreight(&l.table);
    s.RuleMarginNewCostNet(&l.table);
    s.RuleMultNewListNet(&l.table);
    s.RuleFreightFromWeight(&l.table, "10");
    EXPECT_TRUE(EntriesOf(s).empty());
    // Null table: nothing.
    s.RuleNetFromFinal(nullptr, 0);
    s.RuleMargin(nullptr, 0);
    s.RuleDetailMult(nullptr, 0);
    EXPECT_TRUE(EntriesOf(s).empty());
    // Summary rules on a Detail line find no capitalised field.
    const int drow = l.AddDetail(row);
    s.RuleNetFromMult(l.Details(row), drow);
    s.RuleNetFromMargin(l.Details(row), drow);
    s.RuleFinal(l.Details(row), drow);
    EXPECT_TRUE(EntriesOf(s).empty());

    // With the entries in the list, the "new" rules read them.
    s.Add("Weight", "150");
    s.Add("Cost", "60.00");
    s.Add("List", "160.00");
    s.RuleFreightFromWeight(&l.table, "12.50");
    s.Add("Net", "120.00");
    s.RuleMultNewListNet(&l.table);
    s.RuleMarginNewCostNet(&l.table);
    s.RuleFinalNewNetFreight(&l.table);
    EXPECT_EQ(EntriesOf(s), (Entries{{"Weight", "150"},
                                     {"Cost", "60.00"},
                                     {"List", "160.00"},
                                     {"FrtAmount", "18.75"},
                                     {"Net", "120.00"},
                                     {"Mult", "0.7500"},
                                     {"Margin", "50.00"},
                                     {"Final", "138.75"}}));
}
