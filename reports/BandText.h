// Text helpers of the printed reports that need no device: trimming,
// thousands separators, amounts, paragraphs, address and bid-time lines,
// and the word wrapping of a column's lines against any measure.
#pragma once

#include <functional>
#include <vector>

#include "framework/core/String.h"
#include "framework/core/StringArray.h"

// Remove the blanks (code 32 only) at the start or at the end of s.
void TrimLeadingSpaces(CString& s);
void TrimTrailingSpaces(CString& s);

// "1234567.89" -> "1,234,567.89". Leading white space is dropped; a text
// holding anything but digits and '.' (a sign, blanks, asterisks) comes
// back unchanged.
CString AddThousandsSeparators(CString text);

// An amount as the reports print it: two decimals, with separators.
CString FormatAmount(double dAmount);

// Cuts a text into paragraphs at each CR LF pair. Two pairs in a row give
// an empty paragraph; a pair at the very end gives none after it.
std::vector<CString> CutParagraphs(const CString& text);

// "City, ST  Zip" and its shorter forms; empty when all three are empty.
CString CityLine(const CString& city, const CString& state, const CString& zip);

// The bid date followed by the bid time in 12-hour form ("09:30 AM",
// "12:00 Noon", "12:00 Midnight", "01:05 PM"); the date alone when the
// time is empty or its hour is out of range.
CString BidDateTime(const CString& date, const CString& time);

// How many leading characters of a text fit in nMaxWidth, in the units
// the caller lays out in: the length of the longest prefix that is no wider
// (0 when the first character alone is wider).
using TextFit = std::function<int(const char* psz, int nLength, int nMaxWidth)>;

// Breaks the lines at each '^' (the blanks before it dropped), then wraps
// every line to nWidth: the break falls after the last blank of the longest
// prefix that fits, or inside the word when the prefix has no blank. With
// bTrimLeading each line's leading blanks are removed as well; trailing
// blanks always are. A width of 0 or less changes nothing. Each wrapped
// line is measured once, over a window of the text not much longer than
// the line, so a long text costs about its length.
void WrapLines(CStringArray& lines, int nWidth, BOOL bTrimLeading, const TextFit& fit);
