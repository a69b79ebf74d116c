#include "model/TimeCheck.h"

#include "model/Date.h"
#include "model/NumberText.h"

CTimeCheck::CTimeCheck(const char* pszText) { m_nStatus = Parse(pszText); }

bool CTimeCheck::HasNonDigit(CString strText) { return CDate::HasNonDigit(strText); }

int CTimeCheck::Parse(const CString& strText) {
    m_nStatus = valid;
    if (strText.IsEmpty()) return m_nStatus;

    const int sep = strText.FindOneOf(kDateTimeSeparators);
    if (sep < 0) return m_nStatus = badFormat;
    CString hour = strText.Left(sep);
    CString minute = strText.Mid(sep + 1);
    hour.Trim();
    minute.Trim();
    if (hour.IsEmpty()) hour = "00";
    if (minute.IsEmpty()) minute = "00";

    if (HasNonDigit(hour)) return m_nStatus = badHour;
    if (HasNonDigit(minute)) return m_nStatus = badMinute;

    const int nHour = DigitsValue(hour);
    const int nMinute = DigitsValue(minute);
    if (nHour > 12) return m_nStatus = badHour;
    if (nMinute > 59) return m_nStatus = badMinute;

    // Both parts always take two digits, whatever leading zeros were typed.
    m_strText.Format("%02d:%02d", nHour, nMinute);
    return m_nStatus;
}
