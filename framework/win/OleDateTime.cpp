#include "framework/win/OleDateTime.h"

#include <commctrl.h>

#include <cmath>
#include <ctime>

#include "framework/win/DataExchange.h"

namespace {

constexpr double kSecondsPerDay = 86400.0;
// Days from 1970-01-01 back to the epoch of the day count, 1899-12-30.
constexpr long kEpochOffset = 25569;

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long z, int& y, int& m, int& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

struct Parts {
    int year, month, day, hour, minute, second;
};

Parts Split(double dt) {
    const double dDays = std::floor(dt);
    long nSeconds = std::lround((dt - dDays) * kSecondsPerDay);
    long nDays = static_cast<long>(dDays);
    if (nSeconds >= 86400) {
        nSeconds -= 86400;
        ++nDays;
    }
    Parts p{};
    CivilFromDays(nDays - kEpochOffset, p.year, p.month, p.day);
    p.hour = static_cast<int>(nSeconds / 3600);
    p.minute = static_cast<int>(nSeconds / 60 % 60);
    p.second = static_cast<int>(nSeconds % 60);
    return p;
}

}  // namespace

COleDateTimeSpan::COleDateTimeSpan(long nDays, int nHours, int nMinutes, int nSeconds)
    : m_span(nDays + (nHours * 3600.0 + nMinutes * 60.0 + nSeconds) / kSecondsPerDay) {}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond)
    : m_dt(DaysFromCivil(nYear, nMonth, nDay) + kEpochOffset +
           (nHour * 3600.0 + nMinute * 60.0 + nSecond) / kSecondsPerDay) {}

COleDateTime::COleDateTime(const SYSTEMTIME& st)
    : COleDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond) {}

COleDateTime COleDateTime::GetCurrentTime() {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return COleDateTime(st);
}

int COleDateTime::GetYear() const { return Split(m_dt).year; }
int COleDateTime::GetMonth() const { return Split(m_dt).month; }
int COleDateTime::GetDay() const { return Split(m_dt).day; }
int COleDateTime::GetHour() const { return Split(m_dt).hour; }
int COleDateTime::GetMinute() const { return Split(m_dt).minute; }
int COleDateTime::GetSecond() const { return Split(m_dt).second; }

BOOL COleDateTime::GetAsSystemTime(SYSTEMTIME& st) const {
    const Parts p = Split(m_dt);
    if (p.year < 1601 || p.year > 9999) return FALSE;
    st = SYSTEMTIME{};
    st.wYear = static_cast<WORD>(p.year);
    st.wMonth = static_cast<WORD>(p.month);
    st.wDay = static_cast<WORD>(p.day);
    st.wHour = static_cast<WORD>(p.hour);
    st.wMinute = static_cast<WORD>(p.minute);
    st.wSecond = static_cast<WORD>(p.second);
    st.wDayOfWeek =
        static_cast<WORD>(((DaysFromCivil(p.year, p.month, p.day) % 7) + 11) % 7);  // 1970-01-01: Thursday
    return TRUE;
}

CString COleDateTime::Format(const char* pszFormat) const {
    const Parts p = Split(m_dt);
    std::tm t{};
    t.tm_year = p.year - 1900;
    t.tm_mon = p.month - 1;
    t.tm_mday = p.day;
    t.tm_hour = p.hour;
    t.tm_min = p.minute;
    t.tm_sec = p.second;
    char szText[128];
    const size_t n = std::strftime(szText, sizeof(szText), pszFormat, &t);
    return CString(n ? szText : "");
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const {
    COleDateTime result(*this);
    result.m_dt -= span.m_span;
    return result;
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const {
    COleDateTime result(*this);
    result.m_dt += span.m_span;
    return result;
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value) {
    const HWND hCtrl = pDX->PrepareCtrl(nIDC);
    SYSTEMTIME st{};
    if (pDX->m_bSaveAndValidate) {
        if (::SendMessageA(hCtrl, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) == GDT_VALID)
            value = COleDateTime(st);
    } else if (value.GetAsSystemTime(st)) {
        ::SendMessageA(hCtrl, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    }
}

void AfxInitDateTimeControls() {
    static const bool s_bDone = [] {
        INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
        return ::InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)s_bDone;
}
