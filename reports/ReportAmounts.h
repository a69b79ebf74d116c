// How the internal reports read the number texts of a line and extend them
// by the line's quantity. A number field's text is "" when empty, a row of
// '*' when its value overflowed, else the value with the field's decimals.
#pragma once

#include "framework/core/String.h"
#include "framework/core/WinTypes.h"

// Ten stars: an extended value or an amount total that cannot be shown.
inline constexpr int kAmountStars = 10;

// TRUE when the text holds an overflowed value (its first character is '*').
BOOL IsOverflowText(const CString& text);

// The whole number at the start of the text: leading white space and a sign
// allowed, reading stops at the first non-digit; 0 without digits. Values
// past the int range are held at its ends.
int TextInteger(const CString& text);

// The decimal number at the start of the text (optional fraction and
// exponent); 0 without one.
double TextNumber(const CString& text);

// The value with two decimals ("%.2f"), no separators, whatever its size.
CString FixedTwo(double dValue);

// A row of n stars.
CString Stars(int n);

// One running column total of a report: the sum of the printed values and
// whether some value could not be printed.
struct CExtTotal {
    double dSum = 0.0;
    BOOL bOver = FALSE;
};

// A price extended by a quantity as the list reports print it: ten stars
// (and the total's flag set) when either text overflowed; otherwise the
// quantity's whole number times the price, with two decimals, and the total
// grows by the value of that text, so totals equal the sum of the printed
// cells. Returns the cell text without separators.
CString ExtendPrice(const CString& qty, const CString& price, CExtTotal& total);
