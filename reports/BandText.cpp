#include "reports/BandText.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {
bool IsLeadByte(unsigned char ch) {
#ifdef _WIN32
    return ::IsDBCSLeadByte(ch) != 0;
#else
    (void)ch;
    return false;
#endif
}

// Position of the first '^', stepping over double-byte characters.
int FindCaret(const CString& s) {
    const int n = s.GetLength();
    for (int i = 0; i < n; ++i) {
        const unsigned char ch = static_cast<unsigned char>(s[i]);
        if (ch == '^') return i;
        if (IsLeadByte(ch) && i + 1 < n) ++i;
    }
    return -1;
}

// The first window of a line handed to the fit. It doubles while all of it
// fits, so no line is measured much past its break.
constexpr int kFirstWindow = 256;

int FittingLength(const CString& s, int nWidth, const TextFit& fit) {
    const int n = s.GetLength();
    for (int nWindow = kFirstWindow;; nWindow *= 2) {
        const int nTaken = nWindow < n ? nWindow : n;
        const int nFit = fit(s.GetString(), nTaken, nWidth);
        if (nFit < nTaken || nTaken == n) return nFit;
    }
}
}  // namespace

void TrimLeadingSpaces(CString& s) {
    int n = 0;
    while (n < s.GetLength() && s[n] == ' ') ++n;
    if (n > 0) s = s.Right(s.GetLength() - n);
}

void TrimTrailingSpaces(CString& s) {
    int n = 0;
    while (n < s.GetLength() && s[s.GetLength() - 1 - n] == ' ') ++n;
    if (n > 0) s = s.Left(s.GetLength() - n);
}

CString AddThousandsSeparators(CString text) {
    CString s = text;
    s.TrimLeft();
    if (s.SpanIncluding("0123456789.").GetLength() != s.GetLength()) return s;
    const int nDot = s.Find('.');
    const int nDigits = nDot < 0 ? s.GetLength() : nDot;
    if (nDigits <= 3) return s;
    CString result;
    const int nHead = nDigits % 3;
    if (nHead > 0) result = s.Left(nHead) + ",";
    for (int i = nHead; i < nDigits - 3; i += 3) result += s.Mid(i, 3) + ",";
    result += s.Mid(nDigits - 3);
    return result;
}

CString FormatAmount(double dAmount) {
    CString s;
    s.Format("%.2f", dAmount);
    return AddThousandsSeparators(s);
}

std::vector<CString> CutParagraphs(const CString& text) {
    std::vector<CString> paragraphs;
    CString rest = text;
    while (!rest.IsEmpty()) {
        const int nPair = rest.Find("\r\n");
        if (nPair < 0) {
            paragraphs.push_back(rest);
            break;
        }
        paragraphs.push_back(rest.Left(nPair));
        rest = rest.Mid(nPair + 2);
    }
    return paragraphs;
}

CString CityLine(const CString& city, const CString& state, const CString& zip) {
    if (!city.IsEmpty() && !state.IsEmpty()) return city + ", " + state + "  " + zip;
    if (city.IsEmpty() && state.IsEmpty()) return zip;
    return (city.IsEmpty() ? state : city) + "  " + zip;
}

CString BidDateTime(const CString& date, const CString& time) {
    if (time.IsEmpty()) return date;
    const int nHour = std::atoi(time);
    if (nHour < 0 || nHour >= 24) return date;
    const CString minutes = time.Mid(2, 3);
    if (nHour == 0) return date + "  12" + minutes + (minutes == ":00" ? " Midnight" : " AM");
    if (nHour <= 11) return date + "  " + time + " AM";
    if (nHour == 12) return date + "  " + time + (minutes == ":00" ? " Noon" : " PM");
    CString hour;
    hour.Format("%s%d", nHour <= 21 ? "0" : "", nHour - 12);
    return date + "  " + hour + minutes + " PM";
}

void WrapLines(CStringArray& lines, int nWidth, BOOL bTrimLeading, const TextFit& fit) {
    if (nWidth <= 0) return;
    // Forced breaks first; the inserted tail is examined in its turn.
    for (int i = 0; i < lines.GetSize(); ++i) {
        const CString line = lines[i];
        const int nCaret = line.IsEmpty() ? -1 : FindCaret(line);
        if (nCaret < 0) continue;
        CString head = line.Left(nCaret);
        TrimTrailingSpaces(head);
        lines.SetAt(i, head);
        lines.InsertAt(i + 1, line.Mid(nCaret + 1));
    }
    for (int j = 0; j < lines.GetSize(); ++j) {
        CString s = lines[j];
        if (bTrimLeading) TrimLeadingSpaces(s);
        TrimTrailingSpaces(s);
        lines.SetAt(j, s);
        while (!s.IsEmpty()) {
            // The longest prefix that fits; a line that fits whole stays.
            int nFit = FittingLength(s, nWidth, fit);
            if (nFit >= s.GetLength()) break;
            if (nFit < 1) nFit = 1;
            int nBlank = nFit - 1;
            while (nBlank >= 0 && s[nBlank] != ' ') --nBlank;
            CString head = nBlank >= 0 ? s.Left(nBlank + 1) : s.Left(nFit);
            CString tail = nBlank >= 0 ? s.Mid(nBlank + 1) : s.Mid(nFit);
            TrimLeadingSpaces(tail);
            TrimTrailingSpaces(head);
            lines.SetAt(j, head);
            lines.InsertAt(j + 1, tail);
            ++j;
            s = tail;
        }
    }
}
