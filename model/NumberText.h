// Number texts of the line model: reading a typed number, formatting it at a
// field's precision, and the trimmed form used to tell whether a typed
// number was taken as it stands.
#pragma once

#include "framework/core/String.h"

// Longest text a number may format to; a longer one does not fit any field.
inline constexpr int kMaxNumberText = 24;

// Reads the longest leading decimal number of the text: blanks skipped, an
// optional sign, digits with an optional decimal point, an optional exponent
// (e or E, optional sign, digits). 0 when the text starts with no number.
// Only this plain decimal form is read: no "inf", "nan" or hexadecimal, and
// the result is always finite (a number too large for a double reads as the
// largest double of its sign, one too small as 0).
double ReadDecimal(const char* psz);

// Formats the value as "%.*f" with nPrecision decimals into rText. Returns
// false, leaving rText empty, when the value is not finite or its text would
// be longer than kMaxNumberText characters.
bool FormatFixed(double dValue, int nPrecision, CString& rText);

// Removes leading '0's; when something is left and it holds a '.', also
// trailing '0's and then one trailing '.'. "007.500" -> "7.5", "0.00" -> "".
CString TrimTrailingZeros(const CString& strNumber);

// The value of a text of decimal digits (no sign, no blanks), saturated at
// 999999999 so that a long run of digits cannot overflow. 0 for the empty text.
int DigitsValue(const CString& strDigits);
