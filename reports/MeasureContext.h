// What a text measure depends on: the context, the font selected into it
// and the mapping from logical units to the device's. The measure caches
// keep their widths for one such context and look them up again only
// while it stays the same.
#pragma once

#include <windows.h>

class CDC;

struct MeasureContext {
    HDC hDC = nullptr;
    LOGFONTA font{};
    SIZE window{};
    SIZE viewport{};
};

MeasureContext ContextOf(CDC* pDC);
bool Same(const MeasureContext& a, const MeasureContext& b);
