#include "model/Date.h"

#include "model/NumberText.h"

bool IsLeapYear(int nYear) { return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0; }

CDate::CDate(const char* pszText) { m_nStatus = Parse(pszText); }

bool CDate::HasNonDigit(const CString& strText) {
    for (int i = 0; i < strText.GetLength(); ++i)
        if (strText[i] < '0' || strText[i] > '9') return true;
    return false;
}

int CDate::Parse(const CString& strText) {
    m_nStatus = valid;
    if (strText.IsEmpty()) return m_nStatus;

    const int first = strText.FindOneOf(kDateTimeSeparators);
    if (first < 0) return m_nStatus = badFormat;
    CString month = strText.Left(first);
    const CString rest = strText.Mid(first + 1);

    const int second = rest.FindOneOf(kDateTimeSeparators);
    if (second < 0) return m_nStatus = badFormat;
    CString day = rest.Left(second);
    CString year = rest.Mid(second + 1);

    month.Trim();
    day.Trim();
    year.Trim();
    if (month.IsEmpty()) month = "00";
    if (day.IsEmpty()) day = "00";
    if (year.IsEmpty()) year = "500";  // fails the year range below

    if (HasNonDigit(month)) return m_nStatus = badMonth;
    if (HasNonDigit(day)) return m_nStatus = badDay;
    if (HasNonDigit(year)) return m_nStatus = badYear;

    const int nMonth = DigitsValue(month);
    if (nMonth < 1 || nMonth > 12) return m_nStatus = badMonth;

    int nYear = DigitsValue(year);
    if (nYear <= 89)
        nYear += 2000;
    else if (nYear <= 99)
        nYear += 1900;
    if (nYear < 1000 || nYear > 9999) return m_nStatus = badYear;

    const int nDay = DigitsValue(day);
    if (nDay < 1 || nDay > 31) return m_nStatus = badDay;
    if (nDay == 31 && (nMonth == 2 || nMonth == 4 || nMonth == 6 || nMonth == 9 || nMonth == 11))
        return m_nStatus = badDay;
    if (nMonth == 2 && (nDay == 30 || (nDay == 29 && !IsLeapYear(nYear)))) return m_nStatus = badDay;

    // Month and day always take two digits, whatever leading zeros were typed.
    m_strText.Format("%02d/%02d/%04d", nMonth, nDay, nYear);
    return m_nStatus;
}
