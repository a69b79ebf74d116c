#include "model/FaceName.h"

#include <cstring>

CString FaceNameOf(const LOGFONT& lf) {
    const void* end = std::memchr(lf.lfFaceName, 0, sizeof(lf.lfFaceName));
    const int len = end ? static_cast<int>(static_cast<const char*>(end) - lf.lfFaceName)
                        : static_cast<int>(sizeof(lf.lfFaceName));
    return CString(lf.lfFaceName, len);
}

BOOL FontsDiffer(const LOGFONT& a, const LOGFONT& b) {
    const bool numbers = a.lfHeight != b.lfHeight || a.lfWidth != b.lfWidth ||
                         a.lfEscapement != b.lfEscapement || a.lfOrientation != b.lfOrientation ||
                         a.lfWeight != b.lfWeight;
    const bool bytes = a.lfItalic != b.lfItalic || a.lfUnderline != b.lfUnderline ||
                       a.lfStrikeOut != b.lfStrikeOut || a.lfCharSet != b.lfCharSet ||
                       a.lfOutPrecision != b.lfOutPrecision || a.lfClipPrecision != b.lfClipPrecision ||
                       a.lfQuality != b.lfQuality || a.lfPitchAndFamily != b.lfPitchAndFamily;
    return (numbers || bytes || FaceNameOf(a) != FaceNameOf(b)) ? TRUE : FALSE;
}
