#include "reports/ReportAmounts.h"

#include <climits>

#include "model/NumberText.h"

BOOL IsOverflowText(const CString& text) { return !text.IsEmpty() && text[0] == '*' ? TRUE : FALSE; }

int TextInteger(const CString& text) {
    const char* p = text.GetString();
    while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n' || *p == '\v' || *p == '\f') ++p;
    bool bNegative = false;
    if (*p == '+' || *p == '-') bNegative = *p++ == '-';
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (value <= INT_MAX) value = value * 10 + (*p - '0');
    }
    if (bNegative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

double TextNumber(const CString& text) { return ReadDecimal(text.GetString()); }

CString FixedTwo(double dValue) {
    CString s;
    s.Format("%.2f", dValue);
    return s;
}

CString Stars(int n) { return CString('*', n); }

CString ExtendPrice(const CString& qty, const CString& price, CExtTotal& total) {
    if (IsOverflowText(qty) || IsOverflowText(price)) {
        total.bOver = TRUE;
        return Stars(kAmountStars);
    }
    const CString text = FixedTwo(static_cast<double>(TextInteger(qty)) * TextNumber(price));
    total.dSum += TextNumber(text);
    return text;
}
