// Reading and formatting number texts.
#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <string>

#include "model/NumberText.h"

namespace {

TEST(ReadDecimal, TakesTheLongestLeadingDecimalNumber) {
    EXPECT_EQ(ReadDecimal("12"), 12.0);
    EXPECT_EQ(ReadDecimal("  \t-12.5xyz"), -12.5);
    EXPECT_EQ(ReadDecimal("+.5"), 0.5);
    EXPECT_EQ(ReadDecimal("5."), 5.0);
    EXPECT_EQ(ReadDecimal("1.5e3"), 1500.0);
    EXPECT_EQ(ReadDecimal("1.5E+3"), 1500.0);
    EXPECT_EQ(ReadDecimal("25e-1"), 2.5);
    EXPECT_EQ(ReadDecimal("1e"), 1.0);  // no exponent digit: the exponent is not part of it
    EXPECT_EQ(ReadDecimal("1e+"), 1.0);
    EXPECT_EQ(ReadDecimal("3.25.7"), 3.25);
    EXPECT_EQ(ReadDecimal("1,234"), 1.0);
    EXPECT_EQ(ReadDecimal("0.1"), 0.1);
}

TEST(ReadDecimal, NoNumberReadsAsZero) {
    const char* const texts[] = {"", "abc", ".", "-", "+.", " ", "e5", "$12", nullptr};
    for (const char* text : texts) EXPECT_EQ(ReadDecimal(text), 0.0) << (text ? text : "null");
}

TEST(ReadDecimal, RefusesTheRuntimesOtherForms) {
    EXPECT_EQ(ReadDecimal("inf"), 0.0);
    EXPECT_EQ(ReadDecimal("-INFINITY"), 0.0);
    EXPECT_EQ(ReadDecimal("nan"), 0.0);
    EXPECT_EQ(ReadDecimal("NaN(1)"), 0.0);
    EXPECT_EQ(ReadDecimal("0x1A"), 0.0);  // the leading 0 only
    EXPECT_EQ(ReadDecimal("0x1p3"), 0.0);
    EXPECT_EQ(ReadDecimal("12x3"), 12.0);
}

TEST(ReadDecimal, OutOfRangeStaysFinite) {
    EXPECT_EQ(ReadDecimal("1e999"), DBL_MAX);
    EXPECT_EQ(ReadDecimal("-1e999"), -DBL_MAX);
    EXPECT_EQ(ReadDecimal("1e99999999999999999999"), DBL_MAX);
    EXPECT_EQ(ReadDecimal("1e-999"), 0.0);
    EXPECT_EQ(ReadDecimal("0e999"), 0.0);
    EXPECT_EQ(ReadDecimal("0.0000001e-400"), 0.0);
    const std::string manyDigits(400, '9');
    EXPECT_EQ(ReadDecimal(manyDigits.c_str()), DBL_MAX);
    EXPECT_EQ(ReadDecimal((manyDigits + "e-300").c_str()), 1e100);
}

TEST(FormatFixed, FormatsAtThePrecisionWithinTwentyFourCharacters) {
    CString text;
    EXPECT_TRUE(FormatFixed(1250, 2, text));
    EXPECT_EQ(text, "1250.00");
    EXPECT_TRUE(FormatFixed(0.5, 4, text));
    EXPECT_EQ(text, "0.5000");
    EXPECT_TRUE(FormatFixed(3, 0, text));
    EXPECT_EQ(text, "3");
    EXPECT_TRUE(FormatFixed(99.999, 2, text));
    EXPECT_EQ(text, "100.00");
    EXPECT_TRUE(FormatFixed(-2.5, 1, text));
    EXPECT_EQ(text, "-2.5");

    EXPECT_TRUE(FormatFixed(1e19, 3, text));  // 24 characters exactly
    EXPECT_EQ(text, "10000000000000000000.000");
    EXPECT_FALSE(FormatFixed(1e20, 3, text));  // 25
    EXPECT_EQ(text, "");
    EXPECT_FALSE(FormatFixed(DBL_MAX, 0, text));
    EXPECT_FALSE(FormatFixed(1.0, 23, text));
    EXPECT_TRUE(FormatFixed(1.0, 22, text));
    EXPECT_EQ(text.GetLength(), 24);
    EXPECT_FALSE(FormatFixed(1e50, 2, text));
}

TEST(FormatFixed, RefusesValuesThatAreNotNumbers) {
    CString text;
    EXPECT_FALSE(FormatFixed(std::numeric_limits<double>::infinity(), 2, text));
    EXPECT_FALSE(FormatFixed(-std::numeric_limits<double>::infinity(), 2, text));
    EXPECT_FALSE(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 2, text));
}

TEST(TrimTrailingZeros, Cases) {
    EXPECT_EQ(TrimTrailingZeros("007.500"), "7.5");
    EXPECT_EQ(TrimTrailingZeros("0.50"), ".5");
    EXPECT_EQ(TrimTrailingZeros("0.00"), "");
    EXPECT_EQ(TrimTrailingZeros("0"), "");
    EXPECT_EQ(TrimTrailingZeros(""), "");
    EXPECT_EQ(TrimTrailingZeros("100"), "100");
    EXPECT_EQ(TrimTrailingZeros("100.0"), "100");
    EXPECT_EQ(TrimTrailingZeros("-0.50"), "-0.5");
    EXPECT_EQ(TrimTrailingZeros("12."), "12");
}

}  // namespace
