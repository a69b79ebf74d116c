#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/BandText.h"

namespace {
std::vector<std::string> Strings(const CStringArray& lines) {
    std::vector<std::string> out;
    for (const CString& s : lines) out.push_back(s.GetString());
    return out;
}

CStringArray Array(std::initializer_list<const char*> lines) {
    CStringArray a;
    for (const char* p : lines) a.Add(p);
    return a;
}

// Every character 10 units wide, except 'W' (25).
int Monospace(const char* psz, int n) {
    int w = 0;
    for (int i = 0; i < n; ++i) w += psz[i] == 'W' ? 25 : 10;
    return w;
}

// The characters of the longest prefix no wider than nMax.
int MonospaceFit(const char* psz, int n, int nMax) {
    int nFit = 0;
    while (nFit < n && Monospace(psz, nFit + 1) <= nMax) ++nFit;
    return nFit;
}

std::vector<std::string> Wrap(std::initializer_list<const char*> lines, int width, BOOL bTrim) {
    CStringArray a = Array(lines);
    WrapLines(a, width, bTrim, MonospaceFit);
    return Strings(a);
}

using V = std::vector<std::string>;
}  // namespace

TEST(ThousandsSeparators, GroupsTheIntegerDigitsOnly) {
    EXPECT_EQ(AddThousandsSeparators("1234567.89"), "1,234,567.89");
    EXPECT_EQ(AddThousandsSeparators("123456.00"), "123,456.00");
    EXPECT_EQ(AddThousandsSeparators("1234"), "1,234");
    EXPECT_EQ(AddThousandsSeparators(" 1234.50"), "1,234.50");
    EXPECT_EQ(AddThousandsSeparators("1234.5.6"), "1,234.5.6");
    for (const char* unchanged : {"999.99", "-1234.00", "**********", "", ".5", "12 345"})
        EXPECT_EQ(AddThousandsSeparators(unchanged), unchanged) << unchanged;
}

TEST(ThousandsSeparators, AmountsOfAnyLengthAreFormattedWhole) {
    EXPECT_EQ(FormatAmount(0), "0.00");
    EXPECT_EQ(FormatAmount(649233), "649,233.00");
    // Far beyond any fixed buffer of the old form.
    EXPECT_EQ(FormatAmount(1e30).GetLength(), 31 + 10 + 3);
    EXPECT_EQ(FormatAmount(1e30).Left(6), "1,000,");
}

TEST(Trimming, RemovesBlanksButNotOtherWhiteSpace) {
    CString s = "  a b \t ";
    TrimTrailingSpaces(s);
    EXPECT_EQ(s, "  a b \t");
    TrimLeadingSpaces(s);
    EXPECT_EQ(s, "a b \t");
    CString blanks = "   ";
    TrimLeadingSpaces(blanks);
    EXPECT_EQ(blanks, "");
}

TEST(Paragraphs, CutAtEachLineBreakPair) {
    auto cut = [](const char* text) {
        std::vector<std::string> out;
        for (const CString& p : CutParagraphs(text)) out.push_back(p.GetString());
        return out;
    };
    EXPECT_EQ(cut("A\r\n\r\nB"), (V{"A", "", "B"}));
    EXPECT_EQ(cut("A\r\n"), (V{"A"}));
    EXPECT_EQ(cut(""), V{});
    EXPECT_EQ(cut("A\nB"), (V{"A\nB"}));  // a lone LF is no break
}

TEST(AddressLines, CityStateAndZip) {
    EXPECT_EQ(CityLine("Springfield", "IL", "62701"), "Springfield, IL  62701");
    EXPECT_EQ(CityLine("Springfield", "", "12345"), "Springfield  12345");
    EXPECT_EQ(CityLine("", "IL", ""), "IL  ");
    EXPECT_EQ(CityLine("", "", "12345"), "12345");
    EXPECT_EQ(CityLine("", "", ""), "");
}

TEST(AddressLines, BidTimeInTwelveHourForm) {
    const CString d = "03/30/2026";
    EXPECT_EQ(BidDateTime(d, "00:00"), "03/30/2026  12:00 Midnight");
    EXPECT_EQ(BidDateTime(d, "00:30"), "03/30/2026  12:30 AM");
    EXPECT_EQ(BidDateTime(d, "09:30"), "03/30/2026  09:30 AM");
    EXPECT_EQ(BidDateTime(d, "12:00"), "03/30/2026  12:00 Noon");
    EXPECT_EQ(BidDateTime(d, "12:15"), "03/30/2026  12:15 PM");
    EXPECT_EQ(BidDateTime(d, "13:05"), "03/30/2026  01:05 PM");
    EXPECT_EQ(BidDateTime(d, "22:40"), "03/30/2026  10:40 PM");
    EXPECT_EQ(BidDateTime(d, ""), d);
    EXPECT_EQ(BidDateTime(d, "24:00"), d);
}

TEST(Wrapping, CaretsForceBreaks) {
    EXPECT_EQ(Wrap({"one^two^three"}, 1000, TRUE), (V{"one", "two", "three"}));
    // The blank before a caret goes; the one after stays without trimming.
    EXPECT_EQ(Wrap({"one ^ two"}, 1000, FALSE), (V{"one", " two"}));
    EXPECT_EQ(Wrap({"one ^ two"}, 1000, TRUE), (V{"one", "two"}));
    EXPECT_EQ(Wrap({"end^"}, 1000, TRUE), (V{"end", ""}));
    // Each word on a line of its own even where all would fit a narrow width.
    EXPECT_EQ(Wrap({"a^b^c"}, 10, TRUE), (V{"a", "b", "c"}));
}

TEST(Wrapping, BreaksAfterTheLastBlankOfTheFittingPrefix) {
    // Width 100: "aaaa bbbb c" is 110; the prefix of 10 characters fits.
    EXPECT_EQ(Wrap({"aaaa bbbb cccc"}, 100, TRUE), (V{"aaaa bbbb", "cccc"}));
    // The first character that does not fit is a blank: the break falls at
    // the blank before it, inside the prefix.
    EXPECT_EQ(Wrap({"aaaa bbbbb cc"}, 100, TRUE), (V{"aaaa", "bbbbb cc"}));
    // No blank in the prefix: a hard break after its last character.
    EXPECT_EQ(Wrap({"abcdefghijkl"}, 50, TRUE), (V{"abcde", "fghij", "kl"}));
}

TEST(Wrapping, LinesThatFitAreOnlyTrimmed) {
    EXPECT_EQ(Wrap({"  word  "}, 1000, TRUE), (V{"word"}));
    EXPECT_EQ(Wrap({"  word  "}, 1000, FALSE), (V{"  word"}));
    EXPECT_EQ(Wrap({"", "x"}, 1000, TRUE), (V{"", "x"}));
    EXPECT_EQ(Wrap({}, 1000, TRUE), V{});
}

TEST(Wrapping, OversizedCharactersAndLeadingBlanks) {
    // Each 'W' alone is wider than 20: one per line, then an empty tail.
    EXPECT_EQ(Wrap({"WW"}, 20, TRUE), (V{"W", "W", ""}));
    // Leading blanks kept, first word too long: an empty line, then the word.
    EXPECT_EQ(Wrap({"   abcdef"}, 60, FALSE), (V{"", "abcdef"}));
}

TEST(Wrapping, NoWidthChangesNothing) {
    EXPECT_EQ(Wrap({"a^b  "}, 0, TRUE), (V{"a^b  "}));
    EXPECT_EQ(Wrap({"a^b  "}, -5, TRUE), (V{"a^b  "}));
}

TEST(Wrapping, ALongTextIsMeasuredAboutOnce) {
    std::string text;
    for (int i = 0; i < 4000; ++i) text += "word" + std::to_string(i % 10) + " ";
    size_t measured = 0;
    CStringArray a;
    a.Add(text.c_str());
    WrapLines(a, 1500, TRUE, [&](const char* psz, int n, int nMax) {
        measured += static_cast<size_t>(n);
        return MonospaceFit(psz, n, nMax);
    });
    EXPECT_EQ(a.GetSize(), 160);
    EXPECT_LT(measured, 4 * text.size());
}
