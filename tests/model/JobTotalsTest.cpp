// Job totals: each line's value times its Qty, summed over the Summary lines.
#include <gtest/gtest.h>

#include "tests/model/DocTestSupport.h"

namespace {
class JobTotals : public ::testing::Test {
protected:
    int Line(const char* qty, const char* column, const char* value) {
        const int r = l.AddLine();
        Put(&l.table, r, "Qty", qty);
        Put(&l.table, r, column, value);
        return r;
    }
    Lines l;
    CSlots s;
    RoundingPreference round{FALSE};
};
}  // namespace

TEST_F(JobTotals, CostNetAndMarginOverLinesWithQuantities) {
    int r = Line("2", "Cost", "10.00");
    Put(&l.table, r, "Net", "20.00");
    r = Line("1", "Cost", "5.00");
    Put(&l.table, r, "Net", "10.00");
    // Cost 2 x 10 + 5 = 25, Net 2 x 20 + 10 = 50, margin (50 - 25) / 50 = 50 %.
    EXPECT_EQ(s.CalcColumnTotal(&l.table, "Cost", 1.0), "25.00");
    EXPECT_EQ(s.CalcColumnTotal(&l.table, "Net", 1.0), "50.00");
    EXPECT_EQ(s.CalcOverallMargin(&l.table), "50.00");
    EXPECT_EQ(EntriesOf(s), (Entries{{"Cost", "25.00"}, {"Net", "50.00"}, {"Margin", "50.00"}}));
}

TEST_F(JobTotals, OverallMultiplier) {
    int r = Line("2", "List", "40.00");
    Put(&l.table, r, "Net", "20.00");
    r = Line("1", "List", "20.00");
    Put(&l.table, r, "Net", "10.00");
    // 50 / 100
    EXPECT_EQ(s.CalcOverallMult(&l.table), "0.5000");
    EXPECT_EQ(EntriesOf(s), (Entries{{"List", "100.00"}, {"Net", "50.00"}, {"Mult", "0.5000"}}));
}

TEST_F(JobTotals, OverallMultiplierNeedsBothTotalsAndANonZeroList) {
    Line("1", "Net", "20.00");
    EXPECT_EQ(s.CalcOverallMult(&l.table), "");
    Put(&l.table, 0, "List", "0.00");
    EXPECT_EQ(s.CalcOverallMult(&l.table), "");
}

TEST_F(JobTotals, BlankQuantityAddsZeroButCounts) {
    Line("", "Cost", "10.00");
    EXPECT_EQ(s.CalcColumnTotal(&l.table, "Cost", 1.0), "0.00");
    EXPECT_EQ(s.CalcColumnTotal(&l.table, "Net", 1.0), "");
    EXPECT_EQ(EntriesOf(s), (Entries{{"Net", ""}}));
}

TEST_F(JobTotals, OverallMarginWithoutNetsOrCosts) {
    Line("1", "Cost", "10.00");
    EXPECT_EQ(s.CalcOverallMargin(&l.table), "");
    // Some nets but no cost: all of it is margin.
    Lines other;
    const int r = other.AddLine();
    Put(&other.table, r, "Qty", "3");
    Put(&other.table, r, "Net", "10.00");
    EXPECT_EQ(s.CalcOverallMargin(&other.table), "100.00");
    // A net total of zero divides nothing.
    Put(&l.table, 0, "Net", "0.00");
    EXPECT_EQ(s.CalcOverallMargin(&l.table), "");
}

TEST_F(JobTotals, FactorScalesEachLineThenMultipliesByQty) {
    Line("3", "Final", "10.00");
    // 10 x 1.1 = 11.00, x 3 = 33.00; the same with rounding.
    EXPECT_EQ(s.CalcColumnTotal(&l.table, "Final", 1.1), "33.00");
    {
        RoundingPreference on(TRUE);
        EXPECT_EQ(s.CalcColumnTotal(&l.table, "Final", 1.1), "33.00");
    }
    Put(&l.table, 0, "Final", "10.40");
    // 10.40 x 1.1 = 11.44, x 3 = 34.32; rounded per line: 11 x 3 = 33.
    EXPECT_EQ(s.CalcColumnTotal(&l.table, "Final", 1.1), "34.32");
    RoundingPreference on(TRUE);
    EXPECT_EQ(s.CalcColumnTotal(&l.table, "Final", 1.1), "33.00");
    // With the factor 1.0 values are taken as they stand, never rounded.
    EXPECT_EQ(s.CalcColumnTotal(&l.table, "Final", 1.0), "31.20");
}

TEST_F(JobTotals, OverflowStopsTheWalk) {
    Line("1", "Final", "5.00");
    Line("1", "Final", "**********");
    Line("1", "Final", "7.00");
    double sum = 0;
    BOOL overflow = FALSE;
    EXPECT_TRUE(s.SumExtended(&l.table, "Final", sum, overflow, 1.0));
    EXPECT_DOUBLE_EQ(sum, 5.0);
    EXPECT_TRUE(overflow);
    EXPECT_EQ(s.CalcColumnTotal(&l.table, "Final", 1.0), "**********");
    // A scaled overflow is still an overflow, never a zero.
    EXPECT_EQ(s.CalcColumnTotal(&l.table, "Final", 1.1), "**********");
}

TEST_F(JobTotals, OverflowingQuantityOrTotal) {
    Line("****", "Final", "5.00");
    EXPECT_EQ(s.CalcColumnTotal(&l.table, "Final", 1.0), "**********");
    Lines big;
    for (int i = 0; i < 2; ++i) {
        const int r = big.AddLine();
        Put(&big.table, r, "Qty", "9999");
        Put(&big.table, r, "Final", "9999999.99");
    }
    // 2 x 9999 x 9999999.99 does not fit ten characters.
    EXPECT_EQ(s.CalcColumnTotal(&big.table, "Final", 1.0), "**********");
}

TEST_F(JobTotals, TotalsClearTheListFirstAndNullTablesGiveEmpty) {
    Line("2", "Net", "20.00");
    s.Add("Stale", "x");
    EXPECT_EQ(s.CalcColumnTotal(&l.table, "Net", 1.0), "40.00");
    EXPECT_EQ(EntriesOf(s), (Entries{{"Net", "40.00"}}));
    EXPECT_EQ(s.CalcColumnTotal(nullptr, "Net", 1.0), "");
    EXPECT_EQ(s.CalcOverallMargin(nullptr), "");
    EXPECT_EQ(s.CalcOverallMult(nullptr), "");
    EXPECT_TRUE(EntriesOf(s).empty());
    // A column that the layout lacks has no total.
    EXPECT_EQ(s.CalcColumnTotal(&l.table, "net", 1.0), "");
    double sum = 1;
    BOOL overflow = TRUE;
    EXPECT_FALSE(s.SumExtended(&l.table, "net", sum, overflow, 1.0));
    EXPECT_EQ(sum, 0.0);
    EXPECT_FALSE(overflow);
}
