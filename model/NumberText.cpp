#include "model/NumberText.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

}  // namespace

double ReadDecimal(const char* psz) {
    if (!psz) return 0.0;
    const char* p = psz;
    while (IsTrimSpace(*p)) ++p;

    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }

    std::string intDigits, fracDigits;
    while (IsDigit(*p)) intDigits += *p++;
    if (*p == '.') {
        ++p;
        while (IsDigit(*p)) fracDigits += *p++;
    }
    if (intDigits.empty() && fracDigits.empty()) return 0.0;

    // The exponent belongs to the number only when at least one digit follows.
    long exponent = 0;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        bool expNegative = false;
        if (*q == '+' || *q == '-') {
            expNegative = *q == '-';
            ++q;
        }
        if (IsDigit(*q)) {
            // Saturated: anything this far out is beyond a double either way.
            const long kLimit = 1000000;
            while (IsDigit(*q)) {
                if (exponent < kLimit) exponent = exponent * 10 + (*q - '0');
                ++q;
            }
            if (exponent > kLimit) exponent = kLimit;
            if (expNegative) exponent = -exponent;
        }
    }

    std::string text = (intDigits.empty() ? std::string("0") : intDigits);
    if (!fracDigits.empty()) text += "." + fracDigits;
    if (exponent != 0) text += "e" + std::to_string(exponent);

    double value = 0.0;
    const std::from_chars_result r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec == std::errc::result_out_of_range) {
        // Too large or too small: decide by the position of the first
        // significant digit relative to the decimal point.
        const std::string digits = intDigits + fracDigits;
        const size_t first = digits.find_first_not_of('0');
        if (first == std::string::npos) {
            value = 0.0;
        } else {
            const long magnitude = exponent + static_cast<long>(intDigits.size()) - static_cast<long>(first);
            value = magnitude > 0 ? DBL_MAX : 0.0;
        }
    } else if (r.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

bool FormatFixed(double dValue, int nPrecision, CString& rText) {
    rText.Empty();
    if (!std::isfinite(dValue)) return false;
    if (nPrecision < 0) nPrecision = 0;
    // "0." and the decimals alone would already be too long.
    if (nPrecision > kMaxNumberText - 2) return false;
    // 1e25 and above have more integer digits than the text may hold; this
    // also keeps the formatted text small before it is measured.
    if (std::fabs(dValue) >= 1e25) return false;
    CString text;
    text.Format("%.*f", nPrecision, dValue);
    if (text.GetLength() > kMaxNumberText) return false;
    rText = text;
    return true;
}

CString TrimTrailingZeros(const CString& strNumber) {
    CString s = strNumber;
    s.TrimLeft('0');
    if (s.IsEmpty()) return s;
    if (s.Find('.') >= 0) {
        s.TrimRight('0');
        if (!s.IsEmpty() && s[s.GetLength() - 1] == '.') s = s.Left(s.GetLength() - 1);
    }
    return s;
}

int DigitsValue(const CString& strDigits) {
    const int kLimit = 999999999;
    int value = 0;
    for (int i = 0; i < strDigits.GetLength(); ++i) {
        const char ch = strDigits[i];
        if (!IsDigit(ch)) break;
        value = value > (kLimit - (ch - '0')) / 10 ? kLimit : value * 10 + (ch - '0');
    }
    return value;
}
