#include "selection/SelWinAdapters.h"

#include <string>
#include <vector>

void CSelListBoxWnd::ResetContent() { ::SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0); }

int CSelListBoxWnd::AddString(const char* psz) {
    // The selection lists never sort, so appending is inserting at the end.
    return InsertString(-1, psz);
}

int CSelListBoxWnd::InsertString(int nIndex, const char* psz) {
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LB_INSERTSTRING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(psz)));
}

int CSelListBoxWnd::DeleteString(int nIndex) {
    return static_cast<int>(::SendMessageA(m_hWnd, LB_DELETESTRING, static_cast<WPARAM>(nIndex), 0));
}

int CSelListBoxWnd::GetCount() const { return static_cast<int>(::SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0)); }

int CSelListBoxWnd::GetCurSel() const { return static_cast<int>(::SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0)); }

int CSelListBoxWnd::SetCurSel(int nIndex) {
    return static_cast<int>(::SendMessageA(m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(nIndex), 0));
}

CString CSelListBoxWnd::GetLineText(int nIndex) const {
    const LRESULT len = ::SendMessageA(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex), 0);
    if (len == LB_ERR || len < 0) return CString();
    std::vector<char> buf(static_cast<size_t>(len) + 1, '\0');
    const LRESULT got =
        ::SendMessageA(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(buf.data()));
    if (got == LB_ERR || got < 0) return CString();
    return CString(std::string(buf.data(), static_cast<size_t>(got)));
}

void CSelListBoxWnd::SetTabStops(int nCount, const int* pStops) {
    std::vector<INT> stops(pStops, pStops + nCount);
    ::SendMessageA(m_hWnd, LB_SETTABSTOPS, static_cast<WPARAM>(nCount),
                   reinterpret_cast<LPARAM>(stops.data()));
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CSelTextWndWin::SetText(const char* psz) { ::SetWindowTextA(m_hWnd, psz); }

CString CSelTextWndWin::GetText() const {
    const int len = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> buf(static_cast<size_t>(len) + 1, '\0');
    const int got = ::GetWindowTextA(m_hWnd, buf.data(), len + 1);
    return CString(std::string(buf.data(), static_cast<size_t>(got > 0 ? got : 0)));
}

namespace {

// A client device context of the dialog with the dialog's font selected.
class DialogFontDC {
public:
    explicit DialogFontDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {
        HFONT font = reinterpret_cast<HFONT>(::SendMessageA(hWnd, WM_GETFONT, 0, 0));
        if (font) m_hOld = ::SelectObject(m_hDC, font);
    }
    ~DialogFontDC() {
        if (m_hOld) ::SelectObject(m_hDC, m_hOld);
        ::ReleaseDC(m_hWnd, m_hDC);
    }
    DialogFontDC(const DialogFontDC&) = delete;
    DialogFontDC& operator=(const DialogFontDC&) = delete;
    HDC Get() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
    HGDIOBJ m_hOld = nullptr;
};

}  // namespace

int CSelDialogWndWin::GetTextExtent(const CString& text) const {
    DialogFontDC dc(m_hWnd);
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(dc.Get(), text, text.GetLength(), &size);
    return size.cx;
}

long CSelDialogWndWin::GetDialogBaseUnits() const { return ::GetDialogBaseUnits(); }

int CSelDialogWndWin::GetLineHeight() const {
    DialogFontDC dc(m_hWnd);
    TEXTMETRICA tm{};
    ::GetTextMetricsA(dc.Get(), &tm);
    return tm.tmHeight + tm.tmExternalLeading;
}
