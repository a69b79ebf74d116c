// Typed dates and times, and the components of a technical description.
#include <gtest/gtest.h>

#include <string>

#include "framework/core/File.h"
#include "model/Component.h"
#include "model/Date.h"
#include "model/ModelMessages.h"
#include "model/TimeCheck.h"

namespace {

struct DateCase {
    const char* typed;
    int status;
    const char* text;
};

class DateParsing : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateParsing, GivesStatusAndNormalisedText) {
    const DateCase& c = GetParam();
    CDate date(c.typed);
    EXPECT_EQ(date.m_nStatus, c.status) << c.typed;
    EXPECT_EQ(date.GetText(), c.text) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateParsing,
    ::testing::Values(
        DateCase{"1/2/3", 0, "01/02/2003"}, DateCase{"12-25-99", 0, "12/25/1999"},
        DateCase{"12/25/89", 0, "12/25/2089"}, DateCase{"12/25/90", 0, "12/25/1990"},
        DateCase{"7;4\\1776", 0, "07/04/1776"}, DateCase{" 3 : 9 : 2024 ", 0, "03/09/2024"},
        DateCase{"12/25/099", 0, "12/25/1999"}, DateCase{"12/25/0099", 0, "12/25/1999"}, DateCase{"", 0, ""},
        // Format
        DateCase{"12/25", 1, ""}, DateCase{"12252024", 1, ""},
        // Month: an empty month reads as 00
        DateCase{"/ /", 2, ""}, DateCase{"13/1/2000", 2, ""}, DateCase{"0/1/2000", 2, ""},
        DateCase{"1a/2/2005", 2, ""}, DateCase{"1a/2x/20x5", 2, ""}, DateCase{"13/40/900", 2, ""},
        // Day
        DateCase{"4/31/2005", 3, ""}, DateCase{"2/30/2004", 3, ""}, DateCase{"1/32/2004", 3, ""},
        DateCase{"1/0/2004", 3, ""}, DateCase{"1/x/2004", 3, ""},
        // Year: an empty year reads as 500, further separators stay in the year
        DateCase{"12/25/", 4, ""}, DateCase{"12/2/20x5", 4, ""}, DateCase{"12/40/900", 4, ""},
        DateCase{"1/2/3/4", 4, ""}, DateCase{"1/2/10000", 4, ""}, DateCase{"1/2/999", 4, ""},
        DateCase{"1/2/99999999999999999999", 4, ""},
        // Leap years are Gregorian: 1900 and 2100 are not, 2000 and 2004 are.
        DateCase{"2/29/2000", 0, "02/29/2000"}, DateCase{"2/29/2004", 0, "02/29/2004"},
        DateCase{"2/29/1600", 0, "02/29/1600"}, DateCase{"2/29/1900", 3, ""}, DateCase{"2/29/2100", 3, ""},
        DateCase{"2/29/2001", 3, ""}, DateCase{"02/29/00", 0, "02/29/2000"},
        // Leading zeros never widen the month or the day.
        DateCase{"001/002/2003", 0, "01/02/2003"}, DateCase{"0000000000012/31/2003", 0, "12/31/2003"}));

TEST(Date, ParseKeepsTheLastValidTextAndTracksTheStatus) {
    CDate date("6/7/2024");
    EXPECT_EQ(date.Parse("13/1/2024"), 2);
    EXPECT_EQ(date.m_nStatus, 2);
    EXPECT_EQ(date.Parse("8/9/10"), 0);
    EXPECT_EQ(date.GetText(), "08/09/2010");
    CDate copy(date);
    EXPECT_EQ(copy.GetText(), "08/09/2010");
    CDate assigned("1/1/1");
    assigned = CDate("12/2");
    EXPECT_EQ(assigned.m_nStatus, 1);
    EXPECT_EQ(assigned.GetText(), "");
}

TEST(Date, HasNonDigit) {
    EXPECT_FALSE(CDate::HasNonDigit(""));
    EXPECT_FALSE(CDate::HasNonDigit("0123456789"));
    EXPECT_TRUE(CDate::HasNonDigit("12 "));
    EXPECT_TRUE(CDate::HasNonDigit("-1"));
    EXPECT_TRUE(CTimeCheck::HasNonDigit("1.5"));
    EXPECT_FALSE(CTimeCheck::HasNonDigit("59"));
}

TEST(Date, StatusTexts) {
    EXPECT_STREQ(ModelMsg::DateStatusText(0), "");
    EXPECT_STREQ(ModelMsg::DateStatusText(1), "Use date format: mm/dd/yyyy or mm/dd/yy");
    EXPECT_STREQ(ModelMsg::DateStatusText(2), "Bad MONTH specification");
    EXPECT_STREQ(ModelMsg::DateStatusText(3), "Bad DAY specification");
    EXPECT_STREQ(ModelMsg::DateStatusText(4), "Bad YEAR specification");
    EXPECT_STREQ(ModelMsg::DateStatusText(9), "Unknown date error");
    EXPECT_STREQ(ModelMsg::TimeStatusText(1), "Use time format: hh:mm");
    EXPECT_STREQ(ModelMsg::TimeStatusText(2), "Bad HOUR specification");
    EXPECT_STREQ(ModelMsg::TimeStatusText(3), "Bad MINUTE specification");
}

struct TimeCase {
    const char* typed;
    int status;
    const char* text;
};

class TimeParsing : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeParsing, GivesStatusAndNormalisedText) {
    const TimeCase& c = GetParam();
    CTimeCheck time(c.typed);
    EXPECT_EQ(time.m_nStatus, c.status) << c.typed;
    EXPECT_EQ(time.GetText(), c.text) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(Cases, TimeParsing,
                         ::testing::Values(TimeCase{"12:30", 0, "12:30"}, TimeCase{"12/30", 0, "12:30"},
                                           TimeCase{"9:5", 0, "09:05"}, TimeCase{"0:0", 0, "00:00"},
                                           TimeCase{":", 0, "00:00"}, TimeCase{" 7 - 45 ", 0, "07:45"},
                                           TimeCase{"", 0, ""}, TimeCase{"930", 1, ""},
                                           TimeCase{"13:00", 2, ""}, TimeCase{"1a:00", 2, ""},
                                           TimeCase{"12:60", 3, ""}, TimeCase{"12:3x", 3, ""},
                                           TimeCase{"1:2:3", 3, ""}, TimeCase{"007:005", 0, "07:05"}));

TEST(Component, NegativeStartAndLengthAreKeptAsZero) {
    CComponent c("Body", -3, -1);
    EXPECT_EQ(c.GetName(), "Body");
    EXPECT_EQ(c.m_nStart, 0);
    EXPECT_EQ(c.m_nLength, 0);
    c.SetStart(12);
    c.SetLength(4);
    CComponent copy(c);
    EXPECT_EQ(copy.m_nStart, 12);
    EXPECT_EQ(copy.m_nLength, 4);
    CComponent assigned;
    assigned = copy;
    EXPECT_EQ(assigned.GetName(), "Body");
    EXPECT_EQ(assigned.m_nLength, 4);
}

TEST(Component, WritesItsProductDataFileForm) {
    CComponent c("Trim", 0x01020304, 260);
    CMemFile file;
    c.WriteToFile(file);
    const std::vector<unsigned char> want = {'T',  'r',  'i',  'm',  0x0A, 0x04, 0x03,
                                             0x02, 0x01, 0x04, 0x01, 0x00, 0x00};
    EXPECT_EQ(file.Data(), want);
}

}  // namespace
