#include "tests/reports/PageRecorder.h"

#include <cstring>
#include <map>

const RecordedText* RecordedPage::Find(const std::string& s) const {
    for (const RecordedText& t : texts)
        if (t.text == s) return &t;
    return nullptr;
}

std::vector<std::string> RecordedPage::Texts() const {
    std::vector<std::string> all;
    for (const RecordedText& t : texts) all.push_back(t.text);
    return all;
}

CPageRecorder::CPageRecorder() { m_hRef = ::GetDC(nullptr); }

CPageRecorder::~CPageRecorder() { ::ReleaseDC(nullptr, m_hRef); }

CRect CPageRecorder::PageRectDevice() const {
    const int dpiX = ::GetDeviceCaps(m_hRef, LOGPIXELSX);
    const int dpiY = ::GetDeviceCaps(m_hRef, LOGPIXELSY);
    return CRect(0, 0, dpiX * 85 / 10, dpiY * 11);
}

HENHMETAFILE CPageRecorder::Record(const std::function<void(CDC*)>& draw) const {
    const RECT frame = {0, 0, 21590, 27940};  // a letter page in 0.01 mm
    HDC hEmf = ::CreateEnhMetaFileA(m_hRef, nullptr, &frame, nullptr);
    CDC dc;
    dc.Attach(hEmf);
    draw(&dc);
    dc.Detach();
    return ::CloseEnhMetaFile(hEmf);
}

namespace {
std::string Narrow(const wchar_t* p, int n) {
    if (n <= 0) return std::string();
    const int len = ::WideCharToMultiByte(1252, 0, p, n, nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(len), '\0');
    ::WideCharToMultiByte(1252, 0, p, n, &s[0], len, nullptr, nullptr);
    return s;
}
}  // namespace

RecordedPage CPageRecorder::Walk(HENHMETAFILE hEmf) {
    RecordedPage page;
    const UINT size = ::GetEnhMetaFileBits(hEmf, 0, nullptr);
    std::vector<BYTE> bits(size);
    ::GetEnhMetaFileBits(hEmf, size, bits.data());
    std::map<DWORD, LOGFONTW> fonts;
    LOGFONTW current{};
    UINT align = 0;
    POINTL pen = {0, 0};
    for (size_t offset = 0; offset + sizeof(EMR) <= bits.size();) {
        const BYTE* p = bits.data() + offset;
        const EMR* pRec = reinterpret_cast<const EMR*>(p);
        if (pRec->nSize < sizeof(EMR)) break;
        switch (pRec->iType) {
            case EMR_SETTEXTALIGN:
                align = reinterpret_cast<const EMRSETTEXTALIGN*>(p)->iMode;
                page.alignChanges.push_back(align);
                break;
            case EMR_SETMAPMODE:
                page.mapMode = reinterpret_cast<const EMRSETMAPMODE*>(p)->iMode;
                break;
            case EMR_EXTCREATEFONTINDIRECTW: {
                const auto* pFont = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(p);
                fonts[pFont->ihFont] = pFont->elfw.elfLogFont;
                break;
            }
            case EMR_SELECTOBJECT: {
                const DWORD ih = reinterpret_cast<const EMRSELECTOBJECT*>(p)->ihObject;
                auto it = fonts.find(ih);
                if (it != fonts.end()) current = it->second;
                break;
            }
            case EMR_MOVETOEX:
                pen = reinterpret_cast<const EMRMOVETOEX*>(p)->ptl;
                break;
            case EMR_LINETO: {
                const POINTL to = reinterpret_cast<const EMRLINETO*>(p)->ptl;
                page.lines.push_back({pen.x, pen.y, to.x, to.y});
                pen = {to.x, to.y};
                break;
            }
            case EMR_STRETCHBLT: {
                const auto* pBlt = reinterpret_cast<const EMRSTRETCHBLT*>(p);
                page.bitmaps.push_back({pBlt->xDest, pBlt->yDest, pBlt->cxDest, pBlt->cyDest});
                break;
            }
            case EMR_EXTTEXTOUTA:
            case EMR_EXTTEXTOUTW: {
                const auto* pText = reinterpret_cast<const EMREXTTEXTOUTW*>(p);
                RecordedText t;
                const int n = static_cast<int>(pText->emrtext.nChars);
                if (pRec->iType == EMR_EXTTEXTOUTW)
                    t.text = Narrow(reinterpret_cast<const wchar_t*>(p + pText->emrtext.offString), n);
                else
                    t.text.assign(reinterpret_cast<const char*>(p + pText->emrtext.offString),
                                  static_cast<size_t>(n));
                t.x = pText->emrtext.ptlReference.x;
                t.y = pText->emrtext.ptlReference.y;
                t.align = align;
                t.underline = current.lfUnderline != 0;
                t.face = Narrow(current.lfFaceName, static_cast<int>(wcslen(current.lfFaceName)));
                t.height = current.lfHeight;
                if (pText->emrtext.offDx) {
                    const INT* pDx = reinterpret_cast<const INT*>(p + pText->emrtext.offDx);
                    t.widths.assign(pDx, pDx + n);
                }
                page.texts.push_back(t);
                break;
            }
            default:
                break;
        }
        offset += pRec->nSize;
    }
    return page;
}

RecordedPage CPageRecorder::RecordPage(const std::function<void(CDC*)>& draw) const {
    HENHMETAFILE hEmf = Record(draw);
    RecordedPage page = Walk(hEmf);
    ::DeleteEnhMetaFile(hEmf);
    return page;
}

std::vector<BYTE> CPageRecorder::Paint(int cx, int cy, const std::function<void(HDC, const RECT&)>& play) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = cx;
    bi.bmiHeader.biHeight = -cy;  // top row first
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* pBits = nullptr;
    HDC hMem = ::CreateCompatibleDC(nullptr);
    HBITMAP hBmp = ::CreateDIBSection(hMem, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    const RECT rc = {0, 0, cx, cy};
    ::FillRect(hMem, &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    play(hMem, rc);
    ::GdiFlush();
    const size_t size = static_cast<size_t>(((cx * 3 + 3) / 4) * 4) * static_cast<size_t>(cy);
    std::vector<BYTE> bits(static_cast<BYTE*>(pBits), static_cast<BYTE*>(pBits) + size);
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBmp);
    ::DeleteDC(hMem);
    return bits;
}

bool CPageRecorder::SaveBitmap(HENHMETAFILE hEmf, const std::string& path, int nDpi) const {
    const int cx = nDpi * 85 / 10;
    const int cy = nDpi * 11;
    const std::vector<BYTE> bits =
        Paint(cx, cy, [hEmf](HDC hDC, const RECT& rc) { ::PlayEnhMetaFile(hDC, hEmf, &rc); });
    BITMAPINFOHEADER bh{};
    bh.biSize = sizeof bh;
    bh.biWidth = cx;
    bh.biHeight = -cy;
    bh.biPlanes = 1;
    bh.biBitCount = 24;
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(bits.size());
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fwrite(&fh, sizeof fh, 1, f);
    std::fwrite(&bh, sizeof bh, 1, f);
    std::fwrite(bits.data(), 1, bits.size(), f);
    return std::fclose(f) == 0;
}
