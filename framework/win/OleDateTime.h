// COleDateTime: a calendar date and time of day held as the number of days
// since 30 December 1899 (the fraction is the time of day), the form the
// date-picker exchange uses; COleDateTimeSpan: a span of days.
// DDX_DateTimeCtrl exchanges one with a date-picker control.
#pragma once

#include <windows.h>

#include "framework/core/String.h"

class CDataExchange;

class COleDateTimeSpan {
public:
    COleDateTimeSpan() = default;
    COleDateTimeSpan(long nDays, int nHours, int nMinutes, int nSeconds);
    double m_span = 0;
};

class COleDateTime {
public:
    COleDateTime() = default;
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond);
    explicit COleDateTime(const SYSTEMTIME& st);

    // The local date and time now.
    static COleDateTime GetCurrentTime();

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    BOOL GetAsSystemTime(SYSTEMTIME& st) const;

    // strftime conversions (%m, %d, %Y, %H, ...).
    CString Format(const char* pszFormat) const;

    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTime operator+(const COleDateTimeSpan& span) const;
    bool operator==(const COleDateTime& other) const { return m_dt == other.m_dt; }

    double m_dt = 0;
};

// Date-picker exchange: loading shows the value, saving reads the picked one.
void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value);
// Registers the date-picker window class (once per process).
void AfxInitDateTimeControls();
