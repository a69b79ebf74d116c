#include "reports/MeasureContext.h"

#include <cstddef>
#include <cstring>

#include "framework/win/Gdi.h"

MeasureContext ContextOf(CDC* pDC) {
    MeasureContext c;
    c.hDC = pDC->GetSafeHdc();
    ::GetObjectA(pDC->GetCurrentFont(), sizeof c.font, &c.font);
    ::GetWindowExtEx(c.hDC, &c.window);
    ::GetViewportExtEx(c.hDC, &c.viewport);
    return c;
}

bool Same(const MeasureContext& a, const MeasureContext& b) {
    return a.hDC == b.hDC && a.window.cx == b.window.cx && a.window.cy == b.window.cy &&
           a.viewport.cx == b.viewport.cx && a.viewport.cy == b.viewport.cy &&
           std::memcmp(&a.font, &b.font, offsetof(LOGFONTA, lfFaceName)) == 0 &&
           std::strncmp(a.font.lfFaceName, b.font.lfFaceName, LF_FACESIZE) == 0;
}
