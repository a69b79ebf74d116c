#include "framework/win/DataExchange.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/core/MessageBox.h"
#include "framework/win/ResourceString.h"
#include "framework/win/WinMessages.h"

namespace {

bool IsClass(HWND hWnd, const char* pszClass) {
    char cls[32] = "";
    ::GetClassNameA(hWnd, cls, sizeof cls);
    return lstrcmpiA(cls, pszClass) == 0;
}

CString TextOf(HWND hWnd) {
    CString s;
    int nLen = ::GetWindowTextLengthA(hWnd);
    char* p = s.GetBufferSetLength(nLen);
    ::GetWindowTextA(hWnd, p, nLen + 1);
    s.ReleaseBuffer();
    return s;
}

// Whole number: optional blanks, optional sign, digits, optional blanks.
bool ParseLong(const CString& text, long long& value) {
    const char* p = text;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(p, &end, 10);
    if (end == p || errno == ERANGE) return false;
    while (*end == ' ' || *end == '\t') ++end;
    return *end == '\0';
}

bool ParseDouble(const CString& text, double& value) {
    const char* p = text;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(p, &end);
    if (end == p || errno == ERANGE) return false;
    while (*end == ' ' || *end == '\t') ++end;
    return *end == '\0';
}

[[noreturn]] void FailWith(CDataExchange* pDX, const CString& text) {
    AfxMessageBox(text, MB_ICONEXCLAMATION);
    pDX->Fail();
}

[[noreturn]] void FailRange(CDataExchange* pDX, const char* pszFormat, const CString& lo, const CString& hi) {
    CString text;
    AfxFormatString2(text, pszFormat, lo, hi);
    FailWith(pDX, text);
}

template <class T>
void TextAsLong(CDataExchange* pDX, int nIDC, T& value, long long lo, long long hi, const char* pszFormat) {
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        long long v = 0;
        if (!ParseLong(TextOf(hWnd), v) || v < lo || v > hi) FailWith(pDX, WinMsg::kParseInt);
        value = static_cast<T>(v);
    } else {
        char buf[32];
        std::snprintf(buf, sizeof buf, pszFormat, value);
        AfxSetWindowText(hWnd, buf);
    }
}

}  // namespace

void AfxSetWindowText(HWND hWnd, LPCSTR lpszNew) {
    if (!lpszNew) lpszNew = "";
    // Setting a text puts an edit's caret at its start: a dialog that writes
    // its texts back while the user types would turn the typing around.
    // Only a text that differs is written.
    if (TextOf(hWnd) == lpszNew) return;
    ::SetWindowTextA(hWnd, lpszNew);
}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (!hWndCtrl) AfxThrowNotSupportedException();  // the template lacks the control
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail() {
    if (m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl) ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = TextOf(hWnd);
    else
        AfxSetWindowText(hWnd, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    TextAsLong(pDX, nIDC, value, INT_MIN, INT_MAX, "%d");
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { TextAsLong(pDX, nIDC, value, 0, UINT_MAX, "%u"); }

void DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    TextAsLong(pDX, nIDC, value, LONG_MIN, LONG_MAX, "%ld");
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        double v = 0;
        if (!ParseDouble(TextOf(hWnd), v)) FailWith(pDX, WinMsg::kParseReal);
        value = v;
    } else {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*g", DBL_DIG, value);
        AfxSetWindowText(hWnd, buf);
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hWnd, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(hWnd, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) value = -1;
    // The group: from nIDC up to the next control that starts a group.
    int iButton = 0;
    do {
        if (::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED) value = iButton;
            } else {
                ::SendMessageA(hWnd, BM_SETCHECK, iButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++iButton;
        }
        hWnd = ::GetWindow(hWnd, GW_HWNDNEXT);
    } while (hWnd && !(::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_GROUP));
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = TextOf(hWnd);
        return;
    }
    // An empty value empties the box (a prefix search would pick the first item).
    if (value.IsEmpty()) {
        ::SendMessageA(hWnd, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        AfxSetWindowText(hWnd, "");
    } else if (::SendMessageA(hWnd, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(value.GetString())) == CB_ERR) {
        AfxSetWindowText(hWnd, value);  // ignored by a drop-down list
    }
}

void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = TextOf(hWnd);
        return;
    }
    LRESULT i = value.IsEmpty() ? CB_ERR
                                : ::SendMessageA(hWnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                 reinterpret_cast<LPARAM>(value.GetString()));
    // The search ignores case; the item is taken only when it matches exactly.
    if (i != CB_ERR) {
        const LRESULT nLength = ::SendMessageA(hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::vector<char> item(nLength > 0 ? nLength + 1 : 1, '\0');
        ::SendMessageA(hWnd, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        if (value != item.data()) i = CB_ERR;
    }
    if (i != CB_ERR) {
        ::SendMessageA(hWnd, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
    } else {
        ::SendMessageA(hWnd, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        AfxSetWindowText(hWnd, value);
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(hWnd, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(hWnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value.Empty();
        LRESULT i = ::SendMessageA(hWnd, LB_GETCURSEL, 0, 0);
        if (i != LB_ERR) {
            LRESULT nLen = ::SendMessageA(hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
            char* p = value.GetBufferSetLength(static_cast<int>(nLen));
            ::SendMessageA(hWnd, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(p));
            value.ReleaseBuffer();
        }
    } else if (value.IsEmpty() || ::SendMessageA(hWnd, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                                                 reinterpret_cast<LPARAM>(value.GetString())) == LB_ERR) {
        ::SendMessageA(hWnd, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
}

void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        DDX_LBString(pDX, nIDC, value);
        return;
    }
    LRESULT i = value.IsEmpty() ? LB_ERR
                                : ::SendMessageA(hWnd, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                 reinterpret_cast<LPARAM>(value.GetString()));
    ::SendMessageA(hWnd, LB_SETCURSEL, static_cast<WPARAM>(i == LB_ERR ? -1 : i), 0);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(hWnd, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(hWnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Scroll(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ::GetScrollPos(hWnd, SB_CTL);
    else
        ::SetScrollPos(hWnd, SB_CTL, value, TRUE);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd) return;  // subclassed at the first exchange
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWnd)) AfxThrowNotSupportedException();
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars) {
            CString text, count;
            count.Format("%d", nChars);
            AfxFormatString1(text, WinMsg::kParseStringSize, count);
            FailWith(pDX, text);
        }
    } else if (HWND hWnd = pDX->m_hWndLastControl) {
        // The control refuses longer input from the start.
        if (IsClass(hWnd, "ComboBox"))
            ::SendMessageA(hWnd, CB_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
        else if (pDX->m_bEditLastControl)
            ::SendMessageA(hWnd, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
    }
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal)) {
        CString lo, hi;
        lo.Format("%d", minVal);
        hi.Format("%d", maxVal);
        FailRange(pDX, WinMsg::kParseIntRange, lo, hi);
    }
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal)) {
        CString lo, hi;
        lo.Format("%u", minVal);
        hi.Format("%u", maxVal);
        FailRange(pDX, WinMsg::kParseIntRange, lo, hi);
    }
}

void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal) {
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal)) {
        CString lo, hi;
        lo.Format("%ld", minVal);
        hi.Format("%ld", maxVal);
        FailRange(pDX, WinMsg::kParseIntRange, lo, hi);
    }
}

void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal) {
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal)) {
        CString lo, hi;
        lo.Format("%.*g", DBL_DIG, minVal);
        hi.Format("%.*g", DBL_DIG, maxVal);
        FailRange(pDX, WinMsg::kParseRealRange, lo, hi);
    }
}
