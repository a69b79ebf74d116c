#include "reports/TemplateWidths.h"

#include <algorithm>
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "framework/win/Gdi.h"
#include "reports/MeasureContext.h"
#include "reports/PageMetrics.h"

namespace {
struct KnownWidths {
    MeasureContext context;
    std::map<std::string, int, std::less<>> widths;
};

// A report build uses a font or two on one context: a few are plenty.
constexpr size_t kMostContexts = 8;

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
