// CDate: a date as the user types it (mm/dd/yyyy or mm/dd/yy, with any of
// the separators : ; / - \), checked and rewritten as "MM/DD/YYYY".
#pragma once

#include "framework/core/String.h"

// The separators a typed date or time may use between its parts.
inline constexpr const char kDateTimeSeparators[] = ":;/-\\";

class CDate {
public:
    // Status codes of Parse.
    enum { valid = 0, badFormat = 1, badMonth = 2, badDay = 3, badYear = 4 };

    explicit CDate(const char* pszText = "");
    CDate(const CDate& other) = default;
    CDate& operator=(const CDate& other) = default;
    virtual ~CDate() = default;

    CString GetText() const { return m_strText; }

    // Checks the text and returns its status (also kept in m_nStatus). Only a
    // valid, non-empty text replaces the normalised text.
    int Parse(const CString& strText);

    // True when the text holds any character other than '0' to '9'.
    static bool HasNonDigit(const CString& strText);

    // Result of the last Parse.
    int m_nStatus = valid;

private:
    CString m_strText;
};

// Gregorian leap year: divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(int nYear);
