// The number readers and the extension rule of the list reports.
#include <gtest/gtest.h>

#include <climits>

#include "reports/ReportAmounts.h"

TEST(ReportAmounts, ReadsTheWholeNumberAtTheStartOfAText) {
    EXPECT_EQ(TextInteger("1500"), 1500);
    EXPECT_EQ(TextInteger("  -12abc"), -12);
    EXPECT_EQ(TextInteger("+7"), 7);
    EXPECT_EQ(TextInteger("3.9"), 3);
    EXPECT_EQ(TextInteger(""), 0);
    EXPECT_EQ(TextInteger("abc"), 0);
    // A run of digits too long for an int stays at its ends.
    EXPECT_EQ(TextInteger("99999999999999999999"), INT_MAX);
    EXPECT_EQ(TextInteger("-99999999999999999999"), INT_MIN);
}

TEST(ReportAmounts, ReadsTheDecimalNumberAtTheStartOfAText) {
    EXPECT_DOUBLE_EQ(TextNumber("1234.50"), 1234.5);
    EXPECT_DOUBLE_EQ(TextNumber(" -0.75x"), -0.75);
    EXPECT_DOUBLE_EQ(TextNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(TextNumber("**********"), 0.0);
}

TEST(ReportAmounts, FormatsWithoutAFixedBuffer) {
    EXPECT_EQ(FixedTwo(1851750.0).str(), "1851750.00");
    EXPECT_EQ(FixedTwo(-0.004).str(), "-0.00");
    // Longer than any buffer of 25 characters: kept whole.
    const CString big = FixedTwo(1e40);
    EXPECT_EQ(big.GetLength(), 44);
    EXPECT_EQ(big.Right(3).str(), ".00");
    EXPECT_EQ(Stars(4).str(), "****");
}

TEST(ReportAmounts, ExtendsAPriceByTheQuantityAndSumsThePrintedCents) {
    CExtTotal total;
    EXPECT_EQ(ExtendPrice("1500", "1234.50", total).str(), "1851750.00");
    // 3 x 0.333 = 0.999 prints as 1.00, and 1.00 is what the total grows by.
    EXPECT_EQ(ExtendPrice("3", "0.333", total).str(), "1.00");
    EXPECT_DOUBLE_EQ(total.dSum, 1851751.0);
    // An empty quantity or price extends to nothing, not to an overflow.
    EXPECT_EQ(ExtendPrice("", "10.00", total).str(), "0.00");
    EXPECT_EQ(ExtendPrice("5", "", total).str(), "0.00");
    EXPECT_FALSE(total.bOver);
    EXPECT_DOUBLE_EQ(total.dSum, 1851751.0);
}

TEST(ReportAmounts, AnOverflowedQuantityOrPriceStarsTheCellAndTheTotal) {
    CExtTotal total;
    EXPECT_EQ(ExtendPrice("****", "10.00", total).str(), "**********");
    EXPECT_TRUE(total.bOver);
    CExtTotal other;
    EXPECT_EQ(ExtendPrice("2", "**********", other).str(), "**********");
    EXPECT_TRUE(other.bOver);
    EXPECT_DOUBLE_EQ(other.dSum, 0.0);
    EXPECT_FALSE(IsOverflowText(" *"));
    EXPECT_TRUE(IsOverflowText("*"));
}
