// The seven price calculations with the Summary field sizes (Net, Final,
// Cost, List, FrtAmount: 10 and 2; Mult: 7 and 4; Margin: 7 and 2). Every
// expected text is worked out by hand from the relations.
#include <gtest/gtest.h>

#include "tests/model/DocTestSupport.h"

namespace {
Entries NetFromMult(const char* list, const char* mult) {
    CSlots s;
    s.CalcNetFromMult(list, mult, "Net", 10, 2, "Mult");
    return EntriesOf(s);
}
Entries Mult(const char* list, const char* net) {
    CSlots s;
    s.CalcMult(list, net, "Mult", 7, 4);
    return EntriesOf(s);
}
Entries Margin(const char* cost, const char* net) {
    CSlots s;
    s.CalcMargin(cost, net, "Margin", 7, 2);
    return EntriesOf(s);
}
Entries NetFromMargin(const char* cost, const char* net, const char* margin) {
    CSlots s;
    s.CalcNetFromMargin(cost, net, margin, "Net", 10, 2, "Margin", 7, 2);
    return EntriesOf(s);
}
Entries Freight(const char* rate, const char* weight) {
    CSlots s;
    s.CalcFreight(rate, weight, "FrtAmount", 10, 2);
    return EntriesOf(s);
}
Entries Final(const char* net, const char* freight) {
    CSlots s;
    s.CalcFinal(net, freight, "Final", 10, 2);
    return EntriesOf(s);
}
Entries NetFromFinal(const char* final, const char* freight) {
    CSlots s;
    s.CalcNetFromFinal(final, freight, "Net", 10, 2);
    return EntriesOf(s);
}
}  // namespace

TEST(PriceFormula, NetFromListAndMultiplier) {
    RoundingPreference off(FALSE);
    EXPECT_EQ(NetFromMult("1000.00", "0.4567"), (Entries{{"Net", "456.70"}}));
    // A multiplier without a list price is dropped; a blank one clears Net.
    EXPECT_EQ(NetFromMult("", "0.5000"), (Entries{{"Mult", ""}}));
    EXPECT_EQ(NetFromMult("   ", "0.5000"), (Entries{{"Mult", ""}}));
    EXPECT_EQ(NetFromMult("100.00", ""), (Entries{{"Net", ""}}));
    EXPECT_EQ(NetFromMult("*", "0.5000"), (Entries{{"Net", "**********"}}));
    EXPECT_EQ(NetFromMult("", "*******"), (Entries{{"Net", "**********"}}));
}

TEST(PriceFormula, RoundingPreferenceRoundsListTimesMultiplier) {
    RoundingPreference on(TRUE);
    EXPECT_EQ(NetFromMult("1000.00", "0.4567"), (Entries{{"Net", "457.00"}}));
    EXPECT_EQ(NetFromMult("100.00", "0.9000"), (Entries{{"Net", "90.00"}}));
    // -2.7 + 0.5 = -2.2, its fraction dropped towards zero.
    EXPECT_EQ(NetFromMult("-2.70", "1.0000"), (Entries{{"Net", "-2.00"}}));
    // 1.5 rounds up, 1.49 down.
    EXPECT_EQ(NetFromMult("3.00", "0.5000"), (Entries{{"Net", "2.00"}}));
    EXPECT_EQ(NetFromMult("1.49", "1.0000"), (Entries{{"Net", "1.00"}}));
}

TEST(PriceFormula, Multiplier) {
    RoundingPreference on(TRUE);  // never applied to a multiplier
    EXPECT_EQ(Mult("100.00", "80.00"), (Entries{{"Mult", "0.8000"}}));
    EXPECT_EQ(Mult("300.00", "100.00"), (Entries{{"Mult", "0.3333"}}));
    EXPECT_EQ(Mult("0.00", "80.00"), (Entries{{"Mult", ""}}));
    EXPECT_EQ(Mult("", "80.00"), (Entries{{"Mult", ""}}));
    EXPECT_EQ(Mult("100.00", ""), (Entries{{"Mult", ""}}));
    EXPECT_EQ(Mult("100.00", "**********"), (Entries{{"Mult", "*******"}}));
    // 9999999.99 / 0.01 = 999999999.0000, far longer than 7 characters.
    EXPECT_EQ(Mult("0.01", "9999999.99"), (Entries{{"Mult", "*******"}}));
}

TEST(PriceFormula, Margin) {
    RoundingPreference on(TRUE);  // never applied to a margin
    EXPECT_EQ(Margin("60.00", "80.00"), (Entries{{"Margin", "25.00"}}));
    EXPECT_EQ(Margin("50.00", "75.00"), (Entries{{"Margin", "33.33"}}));
    EXPECT_EQ(Margin("60.00", "0.00"), (Entries{{"Margin", ""}}));
    // Without a cost all of the net is margin.
    EXPECT_EQ(Margin("", "80.00"), (Entries{{"Margin", "100.00"}}));
    EXPECT_EQ(Margin("", ""), (Entries{{"Margin", ""}}));
    EXPECT_EQ(Margin("60.00", ""), (Entries{{"Margin", ""}}));
    EXPECT_EQ(Margin("*", "80.00"), (Entries{{"Margin", "*******"}}));
    // A net far below the cost: (1 - 100000) / 1 x 100 does not fit 7 characters.
    EXPECT_EQ(Margin("100000.00", "1.00"), (Entries{{"Margin", "*******"}}));
}

TEST(PriceFormula, NetFromCostAndMargin) {
    RoundingPreference off(FALSE);
    EXPECT_EQ(NetFromMargin("60.00", "", "25.00"), (Entries{{"Net", "80.00"}}));
    // 50 x 100 / 66.67 = 74.9962...
    EXPECT_EQ(NetFromMargin("50.00", "", "33.33"), (Entries{{"Net", "75.00"}}));
    // A margin above 100 gives a negative net.
    EXPECT_EQ(NetFromMargin("50.00", "", "150.00"), (Entries{{"Net", "-100.00"}}));
    // A margin without a cost is dropped; a blank margin clears Net.
    EXPECT_EQ(NetFromMargin("", "80.00", "25.00"), (Entries{{"Margin", ""}}));
    EXPECT_EQ(NetFromMargin("60.00", "80.00", ""), (Entries{{"Net", ""}}));
    EXPECT_EQ(NetFromMargin("*", "80.00", "25.00"), (Entries{{"Net", "**********"}}));
    EXPECT_EQ(NetFromMargin("60.00", "80.00", "*******"), (Entries{{"Net", "**********"}}));
}

TEST(PriceFormula, MarginOfExactlyHundredKeepsTheNetAndShowsItsMargin) {
    RoundingPreference off(FALSE);
    // (80 - 50) / 80 x 100 = 37.5
    EXPECT_EQ(NetFromMargin("50.00", "80.00", "100"), (Entries{{"Margin", "37.50"}}));
    EXPECT_EQ(NetFromMargin("50.00", "80.00", "100.00"), (Entries{{"Margin", "37.50"}}));
    // ...and with no current net there is no margin either.
    EXPECT_EQ(NetFromMargin("50.00", "", "100.00"), (Entries{{"Margin", ""}}));
}

TEST(PriceFormula, RoundingPreferenceRoundsNetFromMargin) {
    RoundingPreference on(TRUE);
    EXPECT_EQ(NetFromMargin("50.00", "", "33.33"), (Entries{{"Net", "75.00"}}));
    // 70 x 100 / 90 = 77.777... -> 78
    EXPECT_EQ(NetFromMargin("70.00", "", "10.00"), (Entries{{"Net", "78.00"}}));
}

TEST(PriceFormula, FreightAmountFromRateAndWeight) {
    {
        RoundingPreference off(FALSE);
        EXPECT_EQ(Freight("12.50", "150"), (Entries{{"FrtAmount", "18.75"}}));
        EXPECT_EQ(Freight("", "150"), (Entries{{"FrtAmount", ""}}));
        EXPECT_EQ(Freight("12.50", ""), (Entries{{"FrtAmount", ""}}));
        EXPECT_EQ(Freight("12.50", "******"), (Entries{{"FrtAmount", "**********"}}));
    }
    RoundingPreference on(TRUE);
    EXPECT_EQ(Freight("12.50", "150"), (Entries{{"FrtAmount", "19.00"}}));
}

TEST(PriceFormula, FinalAndNetFromFinalAreNeverRounded) {
    RoundingPreference on(TRUE);
    EXPECT_EQ(Final("80.00", "18.75"), (Entries{{"Final", "98.75"}}));
    EXPECT_EQ(Final("80.00", ""), (Entries{{"Final", "80.00"}}));
    EXPECT_EQ(Final("", "18.75"), (Entries{{"Final", ""}}));
    EXPECT_EQ(Final("80.00", "*"), (Entries{{"Final", "**********"}}));

    EXPECT_EQ(NetFromFinal("98.75", ""), (Entries{{"Net", "98.75"}}));
    EXPECT_EQ(NetFromFinal("98.75", "18.75"), (Entries{{"Net", "80.00"}}));
    EXPECT_EQ(NetFromFinal("", "18.75"), (Entries{{"Net", ""}}));
    EXPECT_EQ(NetFromFinal("**********", ""), (Entries{{"Net", "**********"}}));
}

TEST(PriceFormula, TextsThatAreNotNumbersReadAsZero) {
    RoundingPreference off(FALSE);
    EXPECT_EQ(Final("abc", "5.00"), (Entries{{"Final", "5.00"}}));
    EXPECT_EQ(Mult("inf", "5.00"), (Entries{{"Mult", ""}}));  // reads as 0: no division
}
