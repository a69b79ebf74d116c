// The changed-field list: entries, number formatting, text tests and the
// line readers.
#include <gtest/gtest.h>

#include <limits>

#include "tests/model/DocTestSupport.h"

TEST(SlotsList, AddKeepsNamesAndValuesSideBySideInOrder) {
    CSlots s;
    s.Add("Net", "5.00");
    s.AddName("Mult");
    s.AddOverflow("Margin", 7);
    s.AddOverflow("Final", 0);
    EXPECT_EQ(EntriesOf(s), (Entries{{"Net", "5.00"}, {"Mult", ""}, {"Margin", "*******"}, {"Final", ""}}));

    CStringArray names, values;
    names.Add("old");
    values.Add("old");
    s.GetAll(names, values);
    ASSERT_EQ(names.GetSize(), 4);
    ASSERT_EQ(values.GetSize(), 4);
    EXPECT_EQ(names[3], "Final");
    EXPECT_EQ(values[2], "*******");

    s.Clear();
    EXPECT_TRUE(EntriesOf(s).empty());
}

TEST(SlotsList, AddNumberFormatsOrOverflowsByLength) {
    CSlots s;
    s.AddNumber("a", 1234567.891, 10, 2);
    s.AddNumber("b", 12345678.9, 10, 2);
    s.AddNumber("c", -123456.78, 10, 2);
    s.AddNumber("d", -1234567.89, 10, 2);
    s.AddNumber("e", 1.23456, 7, 4);
    s.AddNumber("f", 123.45, 7, 4);
    s.AddNumber("g", 3, 4, 0);
    EXPECT_EQ(EntriesOf(s), (Entries{{"a", "1234567.89"},
                                     {"b", "**********"},
                                     {"c", "-123456.78"},
                                     {"d", "**********"},
                                     {"e", "1.2346"},
                                     {"f", "*******"},
                                     {"g", "3"}}));
}

TEST(SlotsList, AddNumberNeverCutsALongNumber) {
    CSlots s;
    // 1e30 at two decimals is 34 characters: longer than any number text,
    // so it is an overflow even for a field of 40.
    s.AddNumber("x", 1e30, 40, 2);
    // Numbers without a text are overflows too.
    s.AddNumber("y", std::numeric_limits<double>::infinity(), 10, 2);
    s.AddNumber("z", std::numeric_limits<double>::quiet_NaN(), 10, 2);
    EXPECT_EQ(EntriesOf(s), (Entries{{"x", std::string(40, '*')}, {"y", "**********"}, {"z", "**********"}}));
}

TEST(SlotsList, LookupTakesTheFirstEntryOfAName) {
    CSlots s;
    s.Add("Net", "5.00");
    s.Add("Net", "7.00");
    CString value = "stale";
    EXPECT_TRUE(s.Lookup("Net", value));
    EXPECT_EQ(value, "5.00");
    // Case counts.
    EXPECT_FALSE(s.Lookup("net", value));
    EXPECT_EQ(value, "");
}

TEST(SlotsList, GetSingleOnlyForExactlyOneEntry) {
    CSlots s;
    CString name = "x", value = "y";
    EXPECT_FALSE(s.GetSingle(name, value));
    EXPECT_EQ(name, "");
    EXPECT_EQ(value, "");

    s.Add("Final", "85.00");
    EXPECT_TRUE(s.GetSingle(name, value));
    EXPECT_EQ(name, "Final");
    EXPECT_EQ(value, "85.00");

    s.Add("Net", "80.00");
    name = "x";
    value = "y";
    EXPECT_FALSE(s.GetSingle(name, value));
    EXPECT_EQ(name, "");
    EXPECT_EQ(value, "");
}

TEST(SlotsList, BlankAndOverflowTexts) {
    EXPECT_TRUE(CSlots::IsBlank(""));
    EXPECT_TRUE(CSlots::IsBlank("   "));
    EXPECT_FALSE(CSlots::IsBlank("\t"));
    EXPECT_FALSE(CSlots::IsBlank(" 1"));

    EXPECT_TRUE(CSlots::IsOverflow("*"));
    EXPECT_TRUE(CSlots::IsOverflow("*12"));
    EXPECT_FALSE(CSlots::IsOverflow(" *"));
    EXPECT_FALSE(CSlots::IsOverflow(""));
}

TEST(SlotsList, GetLineTextReadsTheFieldOrGivesEmpty) {
    Lines l;
    const int row = l.AddLine();
    Put(&l.table, row, "Net", "80");
    EXPECT_EQ(CSlots::GetLineText(&l.table, "Net", row), "80.00");
    EXPECT_EQ(CSlots::GetLineText(&l.table, "net", row), "");
    EXPECT_EQ(CSlots::GetLineText(nullptr, "Net", 0), "");
    EXPECT_THROW(CSlots::GetLineText(&l.table, "Net", 1), CInvalidArgException);
}

TEST(SlotsList, SumColumnSkipsBlanksAndStopsAtTheFirstOverflow) {
    Lines l;
    const int row = l.AddLine();
    CTable* d = l.Details(row);
    for (int i = 0; i < 3; ++i) l.AddDetail(row);
    Put(d, 0, "cost", "1.5");
    Put(d, 2, "cost", "2");
    double sum = -1;
    BOOL overflow = TRUE;
    EXPECT_TRUE(CSlots::SumColumn(d, "cost", sum, overflow));
    EXPECT_DOUBLE_EQ(sum, 3.5);
    EXPECT_FALSE(overflow);

    // A text column holding an empty text and a text of spaces.
    Put(d, 1, "QtyAssy", "   ");
    EXPECT_FALSE(CSlots::SumColumn(d, "QtyAssy", sum, overflow));
    EXPECT_DOUBLE_EQ(sum, 0.0);
    EXPECT_FALSE(overflow);

    Put(d, 0, "weight", "1");
    Put(d, 1, "weight", "******");  // the overflow marker of a 6-character field
    Put(d, 2, "weight", "5");
    EXPECT_TRUE(CSlots::SumColumn(d, "weight", sum, overflow));
    EXPECT_DOUBLE_EQ(sum, 1.0);
    EXPECT_TRUE(overflow);

    EXPECT_FALSE(CSlots::SumColumn(nullptr, "cost", sum, overflow));
    EXPECT_FALSE(CSlots::SumColumn(d, "Cost", sum, overflow));
}
