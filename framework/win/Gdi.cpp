#include "framework/win/Gdi.h"

#include <memory>
#include <unordered_map>
#include <vector>

#include "framework/win/App.h"
#include "framework/win/Wnd.h"

// --- GDI objects ---

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (m_hObject || !hObject) return FALSE;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ h = m_hObject;
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }

BOOL CBrush::CreateSysColorBrush(int nIndex) { return Attach(::GetSysColorBrush(nIndex)); }

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont) { return Attach(::CreateFontIndirectA(lpLogFont)); }

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, HDC hDC) {
    HDC hScreen = hDC ? hDC : ::GetDC(nullptr);
    LOGFONTA lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = -MulDiv(nPointSize, ::GetDeviceCaps(hScreen, LOGPIXELSY), 720);
    lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    if (!hDC) ::ReleaseDC(nullptr, hScreen);
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision,
                       BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily, LPCSTR lpszFacename) {
    return Attach(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                                cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality,
                                nPitchAndFamily, lpszFacename));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource)));
}

BOOL CBitmap::CreateCompatibleBitmap(HDC hDC, int nWidth, int nHeight) {
    return Attach(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
}

// --- Device contexts ---

namespace {

std::unordered_map<HDC, std::unique_ptr<CDC>>& TemporaryDCs() {
    static std::unordered_map<HDC, std::unique_ptr<CDC>> map;
    return map;
}

}  // namespace

CDC::~CDC() {
    if (m_hDC) ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC hDC) {
    if (!hDC) return nullptr;
    auto& slot = TemporaryDCs()[hDC];
    if (!slot) {
        slot = std::make_unique<CDC>();
        slot->m_hDC = hDC;
    }
    return slot.get();
}

void CDC::DeleteTempMap() {
    for (auto& entry : TemporaryDCs()) entry.second->m_hDC = nullptr;  // borrowed
    TemporaryDCs().clear();
}

BOOL CDC::Attach(HDC hDC) {
    if (m_hDC || !hDC) return FALSE;
    m_hDC = hDC;
    return TRUE;
}

HDC CDC::Detach() {
    HDC h = m_hDC;
    m_hDC = nullptr;
    return h;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) { return Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr)); }

BOOL CDC::DeleteDC() {
    if (!m_hDC) return FALSE;
    return ::DeleteDC(Detach());
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const {
    SIZE size{};
    ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return CSize(size);
}

BOOL CDC::TextOutWithWidths(int x, int y, LPCSTR lpszString, int nCount) {
    if (nCount <= 0) return ::TextOutA(m_hDC, x, y, lpszString, nCount);
    // The width of each character is the step between the measures of the
    // prefixes that end before and after it, so the widths add up to where
    // the page puts every character; widths rounded one by one would not.
    std::vector<int> widths(static_cast<size_t>(nCount));
    if (!GetTextExtentExPoint(lpszString, nCount, widths.data()))
        return ::TextOutA(m_hDC, x, y, lpszString, nCount);
    for (size_t i = widths.size() - 1; i > 0; --i) widths[i] -= widths[i - 1];
    return ::ExtTextOutA(m_hDC, x, y, 0, nullptr, lpszString, static_cast<UINT>(nCount), widths.data());
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
    COLORREF old = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }

int CWnd::ReleaseDC(CDC* pDC) { return pDC ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0; }

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(AfxHwndOf(pWnd)) { Attach(::BeginPaint(m_hWnd, &m_ps)); }

CPaintDC::~CPaintDC() {
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(AfxHwndOf(pWnd)) { Attach(::GetDC(m_hWnd)); }

CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(AfxHwndOf(pWnd)) { Attach(::GetWindowDC(m_hWnd)); }

CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }
