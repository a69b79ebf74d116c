#include "framework/win/PreviewText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// Advances for the n letters of a word that keep it within the span pixels
// the page gives it. A word that fits keeps the screen font's advances: an
// extra pixel inside a word of a small font reads as a blank. A wider one
// is drawn closer: the steps between its letters are scaled and the last
// letter keeps its own advance, so that its ink ends where the span does
// and not over the blank after it. Each step ends where its share rounds
// to, so the rounding spreads over the letters.
void FitWord(HDC hDC, const WCHAR* psz, int n, long span, INT* pFit) {
    std::vector<INT> ends(static_cast<size_t>(n));  // the font's extent after each letter
    SIZE size{};
    if (!::GetTextExtentExPointW(hDC, psz, n, 0, nullptr, ends.data(), &size) || ends[0] <= 0)
        for (int i = 0; i < n; ++i) ends[i] = static_cast<INT>(span * (i + 1) / n);
    const long lastStarts = n > 1 ? ends[n - 2] : 0;
    const long room = std::max(0L, span - (ends[n - 1] - lastStarts));
    const double scale = ends[n - 1] > span && lastStarts > 0 ? static_cast<double>(room) / lastStarts : 1.0;
    long placed = 0;
    for (int i = 0; i + 1 < n; ++i) {
        const long upTo = std::lround(ends[i] * scale);
        pFit[i] = static_cast<INT>(upTo - placed);
        placed = upTo;
    }
    pFit[n - 1] = static_cast<INT>(span - placed);
}

}  // namespace

bool PlayTextByWords(HDC hDC, const ENHMETARECORD* pRecord) {
    const auto* pText = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord);
    const EMRTEXT& text = pText->emrtext;
    const UINT align = ::GetTextAlign(hDC);
    if (text.offDx == 0 || text.nChars == 0 || text.fOptions != 0 || (align & TA_UPDATECP)) return false;
    const auto* pBytes = reinterpret_cast<const BYTE*>(pRecord);
    if (text.offString + text.nChars * sizeof(WCHAR) > pRecord->nSize ||
        text.offDx + text.nChars * sizeof(INT) > pRecord->nSize)
        return false;
    LOGFONTW lf{};
    if (!::GetObjectW(::GetCurrentObject(hDC, OBJ_FONT), sizeof lf, &lf) || lf.lfEscapement ||
        lf.lfOrientation)
        return false;
    const auto* psz = reinterpret_cast<const WCHAR*>(pBytes + text.offString);
    const auto* pDx = reinterpret_cast<const INT*>(pBytes + text.offDx);
    const DWORD n = text.nChars;
    long total = 0;
    for (DWORD i = 0; i < n; ++i) total += pDx[i];
    long x = text.ptlReference.x;  // where the first character begins
    if ((align & TA_CENTER) == TA_CENTER)
        x -= total / 2;
    else if (align & TA_RIGHT)
        x -= total;

    // Where the page puts each character, and the font's size, in the
    // screen's pixels: the points as the player maps them, in the
    // recording's graphics mode. The font's height is measured over 64
    // heights so that it rounds as the player's does.
    const int mode = ::SetGraphicsMode(hDC, static_cast<int>(pText->iGraphicsMode));
    std::vector<POINT> at(n + 3);
    for (DWORD i = 0; i <= n; x += i < n ? pDx[i] : 0, ++i) at[i] = {x, text.ptlReference.y};
    at[n + 1] = {0, 0};
    at[n + 2] = {lf.lfWidth * 64, lf.lfHeight * 64};
    ::LPtoDP(hDC, at.data(), static_cast<int>(at.size()));
    ::SetGraphicsMode(hDC, mode);
    lf.lfHeight = (lf.lfHeight < 0 ? -1 : 1) * std::lround(std::abs(at[n + 2].y - at[n + 1].y) / 64.0);
    lf.lfWidth = std::lround(std::abs(at[n + 2].x - at[n + 1].x) / 64.0);

    // Drawn in pixels, where each letter can be put exactly.
    const int nSaved = ::SaveDC(hDC);
    ::SetGraphicsMode(hDC, GM_ADVANCED);
    ::ModifyWorldTransform(hDC, nullptr, MWT_IDENTITY);
    ::SetGraphicsMode(hDC, GM_COMPATIBLE);
    ::SetMapMode(hDC, MM_TEXT);
    ::SetWindowOrgEx(hDC, 0, 0, nullptr);
    ::SetViewportOrgEx(hDC, 0, 0, nullptr);
    HFONT hFont = ::CreateFontIndirectW(&lf);
    ::SelectObject(hDC, hFont);
    ::SetTextAlign(hDC, (align & ~TA_CENTER) | TA_LEFT);
    std::vector<INT> dx(n);
    for (DWORD i = 0; i < n; ++i) dx[i] = at[i + 1].x - at[i].x;  // the blanks keep these
    // A word takes the blanks after it, so an underline runs on under them.
    for (DWORD start = 0; start < n;) {
        DWORD blanks = start + 1;
        while (blanks < n && psz[blanks] != L' ') ++blanks;
        DWORD end = blanks;
        while (end < n && psz[end] == L' ') ++end;
        FitWord(hDC, psz + start, static_cast<int>(blanks - start), at[blanks].x - at[start].x,
                dx.data() + start);
        ::ExtTextOutW(hDC, at[start].x, at[start].y, 0, nullptr, psz + start, end - start, dx.data() + start);
        start = end;
    }
    ::RestoreDC(hDC, nSaved);
    ::DeleteObject(hFont);
    return true;
}
