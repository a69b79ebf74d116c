#include "reports/TemplateWidths.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "framework/win/Gdi.h"
#include "reports/PageMetrics.h"

namespace {
// What a width depends on: the context, the font selected into it, and
// the mapping from logical units to the device's.
struct MeasureContext {
    HDC hDC = nullptr;
    LOGFONTA font{};
    SIZE window{};
    SIZE viewport{};
};

struct KnownWidths {
    MeasureContext context;
    std::map<std::string, int, std::less<>> widths;
};

// A report build uses a font or two on one context: a few are plenty.
constexpr size_t kMostContexts = 8;

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
}  // namespace

std::vector<int> TemplateWidths(CDC* pDC, const std::vector<const char*>& templates) {
    static std::deque<KnownWidths> known;  // the newest first
    const MeasureContext now = ContextOf(pDC);
    auto it = std::find_if(known.begin(), known.end(),
                           [&now](const KnownWidths& k) { return Same(k.context, now); });
    if (it == known.end()) {
        if (known.size() == kMostContexts) known.pop_back();
        known.push_front({now, {}});
        it = known.begin();
    }
    std::vector<int> widths;
    widths.reserve(templates.size());
    for (const char* psz : templates) {
        if (!psz) {
            widths.push_back(0);
            continue;
        }
        auto found = it->widths.find(std::string_view(psz));
        if (found == it->widths.end()) found = it->widths.emplace(psz, TextWidth(pDC, psz)).first;
        widths.push_back(found->second);
    }
    return widths;
}
