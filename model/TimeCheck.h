// CTimeCheck: a time of day typed as hours and minutes, checked and
// rewritten as "HH:MM" (hours 0 to 12; callers keep before or after noon).
#pragma once

#include "framework/core/String.h"

class CTimeCheck {
public:
    // Status codes of Parse.
    enum { valid = 0, badFormat = 1, badHour = 2, badMinute = 3 };

    explicit CTimeCheck(const char* pszText = "");
    CTimeCheck(const CTimeCheck& other) = default;
    CTimeCheck& operator=(const CTimeCheck& other) = default;
    virtual ~CTimeCheck() = default;

    CString GetText() const { return m_strText; }

    // Checks the text and returns its status (also kept in m_nStatus). Only a
    // valid, non-empty text replaces the normalised text.
    int Parse(const CString& strText);

    // True when the text holds any character other than '0' to '9'.
    static bool HasNonDigit(CString strText);

    // Result of the last Parse.
    int m_nStatus = valid;

private:
    CString m_strText;
};
