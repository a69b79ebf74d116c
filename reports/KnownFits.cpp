#include "reports/KnownFits.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <unordered_map>

#include "reports/MeasureContext.h"
#include "reports/PageMetrics.h"

namespace {
// Enough for the distinct lines of a large job; past it the memory is
// given back and the lines measured afresh.
constexpr size_t kMostFits = 1 << 15;

struct KnownFits {
    bool bValid = false;
    MeasureContext context;
    std::unordered_map<std::string, int> fits;  // width, then the text
};

std::string KeyOf(const char* psz, int nLength, int nMaxWidth) {
    std::string key(sizeof nMaxWidth + static_cast<size_t>(nLength), '\0');
    std::memcpy(&key[0], &nMaxWidth, sizeof nMaxWidth);
    std::memcpy(&key[sizeof nMaxWidth], psz, static_cast<size_t>(nLength));
    return key;
}
}  // namespace

int KnownFittingLength(CDC* pDC, const char* psz, int nLength, int nMaxWidth) {
    if (nLength <= 0) return 0;
    static KnownFits known;
    const MeasureContext now = ContextOf(pDC);
    if (!known.bValid || !Same(known.context, now) || known.fits.size() >= kMostFits) {
        known.fits.clear();
        known.context = now;
        known.bValid = true;
    }
    std::string key = KeyOf(psz, nLength, nMaxWidth);
    auto found = known.fits.find(key);
    if (found != known.fits.end()) return found->second;
    const int nFit = FittingLength(pDC, psz, nLength, nMaxWidth);
    known.fits.emplace(std::move(key), nFit);
    return nFit;
}
