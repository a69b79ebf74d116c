#include "framework/win/ResourceString.h"

#include <cstring>

#include "framework/win/App.h"

BOOL AfxLoadString(UINT nID, CString& rString) {
    // A pointer into the resource itself gives the whole text, however
    // long; only the wide form offers one (buffer size 0), so the text is
    // read wide and converted.
    const wchar_t* pw = nullptr;
    int nLen = ::LoadStringW(AfxGetResourceHandle(), nID, reinterpret_cast<LPWSTR>(&pw), 0);
    if (nLen <= 0 || !pw) {
        rString.Empty();
        return FALSE;
    }
    int nBytes = ::WideCharToMultiByte(CP_ACP, 0, pw, nLen, nullptr, 0, nullptr, nullptr);
    char* buf = rString.GetBufferSetLength(nBytes);
    ::WideCharToMultiByte(CP_ACP, 0, pw, nLen, buf, nBytes, nullptr, nullptr);
    rString.ReleaseBuffer(nBytes);
    return TRUE;
}

CString AfxLoadString(UINT nID) {
    CString s;
    AfxLoadString(nID, s);
    return s;
}

void AfxFormatString2(CString& rString, LPCSTR lpszFormat, LPCSTR lpsz1, LPCSTR lpsz2) {
    CString out;
    for (const char* p = lpszFormat; *p; ++p) {
        if (p[0] == '%' && (p[1] == '1' || (p[1] == '2' && lpsz2))) {
            const char* arg = p[1] == '1' ? lpsz1 : lpsz2;
            out += arg ? arg : "";
            ++p;
        } else {
            out += *p;
        }
    }
    rString = out;
}

void AfxFormatString1(CString& rString, LPCSTR lpszFormat, LPCSTR lpsz1) {
    AfxFormatString2(rString, lpszFormat, lpsz1, nullptr);
}

BOOL AfxExtractSubString(CString& rString, LPCSTR lpszFullString, int iSubString, char chSep) {
    rString.Empty();
    if (!lpszFullString) return FALSE;
    const char* p = lpszFullString;
    while (iSubString-- > 0) {
        p = strchr(p, chSep);
        if (!p) return FALSE;
        ++p;
    }
    const char* end = strchr(p, chSep);
    rString = end ? CString(p, static_cast<int>(end - p)) : CString(p);
    return TRUE;
}
