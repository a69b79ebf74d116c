#include "workspace/QuotationFinder.h"

#include <utility>

namespace {
QuotationFinder& InstalledFinder() {
    static QuotationFinder finder;
    return finder;
}
}  // namespace

QuotationFinder SetQuotationFinder(QuotationFinder finder) {
    return std::exchange(InstalledFinder(), std::move(finder));
}

bool RunQuotationFinder(CCorvDoc& doc) {
    const QuotationFinder& finder = InstalledFinder();
    return finder ? finder(doc) : false;
}
