#include <gtest/gtest.h>

#include "framework/core/Exceptions.h"
#include "framework/core/String.h"
#include "framework/core/StringArray.h"

TEST(CStringTest, ExtractionClampsToTheText) {
    CString s("Valve body");
    EXPECT_EQ(s.Left(5), "Valve");
    EXPECT_EQ(s.Left(99), "Valve body");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Right(4), "body");
    EXPECT_EQ(s.Mid(6), "body");
    EXPECT_EQ(s.Mid(6, 2), "bo");
    EXPECT_EQ(s.Mid(40, 2), "");
    EXPECT_EQ(s.Mid(-3, 2), "Va");
    EXPECT_EQ(s.SpanIncluding("aVl"), "Val");
    EXPECT_EQ(s.SpanExcluding(" "), "Valve");
}

TEST(CStringTest, SearchGivesMinusOneWhenAbsent) {
    CString s("a/b/c");
    EXPECT_EQ(s.Find('/'), 1);
    EXPECT_EQ(s.Find('/', 2), 3);
    EXPECT_EQ(s.Find('/', 99), -1);
    EXPECT_EQ(s.Find("b/"), 2);
    EXPECT_EQ(s.Find("x"), -1);
    EXPECT_EQ(s.ReverseFind('/'), 3);
    EXPECT_EQ(s.FindOneOf(":;/"), 1);
    EXPECT_EQ(CString("abc").FindOneOf(":;"), -1);
}

TEST(CStringTest, TrimRemovesBlanksTabsAndLineBreaksOnly) {
    CString s(" \t x y \r\n");
    EXPECT_EQ(CString(s).Trim(), "x y");
    EXPECT_EQ(CString(s).TrimLeft(), "x y \r\n");
    EXPECT_EQ(CString(s).TrimRight(), " \t x y");
    EXPECT_EQ(CString("00100").TrimLeft('0'), "100");
    EXPECT_EQ(CString("1.500").TrimRight('0'), "1.5");
}

TEST(CStringTest, FormatIsNeverCutByABuffer) {
    CString s;
    std::string longText(5000, 'x');
    s.Format("%s-%d", longText.c_str(), 42);
    EXPECT_EQ(s.GetLength(), 5003);
    EXPECT_EQ(s.Right(3), "-42");
    s.Format("%.*f", 2, 1250.0);
    EXPECT_EQ(s, "1250.00");
}

TEST(CStringTest, EditingOperations) {
    CString s("it's o'clock");
    EXPECT_EQ(s.Replace("'", "''"), 2);
    EXPECT_EQ(s, "it''s o''clock");
    EXPECT_EQ(s.Remove('\''), 4);
    EXPECT_EQ(s, "its oclock");
    s.Insert(3, '-');
    EXPECT_EQ(s, "its- oclock");
    s.Delete(3, 2);
    EXPECT_EQ(s, "itsoclock");
    s.Delete(7, 100);
    EXPECT_EQ(s, "itsoclo");
    EXPECT_EQ(CString("ABC").CompareNoCase("abd"), -1);
    EXPECT_EQ(CString("abc").Compare("abc"), 0);
    EXPECT_THROW(s.GetAt(99), CInvalidArgException);
}

TEST(CStringTest, BufferAccessTakesTheLengthUpToTheZero) {
    CString s;
    char* p = s.GetBuffer(10);
    p[0] = 'o';
    p[1] = 'k';
    p[2] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ(s, "ok");
    EXPECT_EQ(s.GetLength(), 2);
}

TEST(CStringArrayTest, IndexesOutsideTheListAreRefused) {
    CStringArray a;
    a.Add("one");
    a.Add(CString("two"));
    a.InsertAt(1, "between");
    EXPECT_EQ(a.GetSize(), 3);
    EXPECT_EQ(a[1], "between");
    a.RemoveAt(0);
    EXPECT_EQ(a.GetAt(0), "between");
    EXPECT_THROW(a.GetAt(2), CInvalidArgException);
    EXPECT_THROW(a.RemoveAt(1, 5), CInvalidArgException);
}
