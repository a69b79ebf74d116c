#include "reports/WideAmounts.h"

#include <algorithm>

namespace {
CWideAmounts* g_pNoting = nullptr;
const CWideAmounts* g_pInForce = nullptr;

// Sets both for one run and puts back what was there, however it ends.
class CBuildScope {
public:
    CBuildScope(CWideAmounts* pNoting, const CWideAmounts* pInForce)
        : m_pOldNoting(g_pNoting), m_pOldInForce(g_pInForce) {
        g_pNoting = pNoting;
        g_pInForce = pInForce;
    }
    ~CBuildScope() {
        g_pNoting = m_pOldNoting;
        g_pInForce = m_pOldInForce;
    }
    CBuildScope(const CBuildScope&) = delete;
    CBuildScope& operator=(const CBuildScope&) = delete;

private:
    CWideAmounts* m_pOldNoting;
    const CWideAmounts* m_pOldInForce;
};
}  // namespace

void CWideAmounts::Note(const void* pSlotList, int nSlot, int nWidth) {
    int& widest = m_widest[{pSlotList, nSlot}];
    widest = std::max(widest, nWidth);
}

int CWideAmounts::Width(const void* pSlotList, int nSlot, int nTemplateWidth) const {
    auto found = m_widest.find({pSlotList, nSlot});
    return found == m_widest.end() ? nTemplateWidth : std::max(nTemplateWidth, found->second);
}

int BuildWithRoomForAmounts(const std::function<int()>& build) {
    CWideAmounts wide;
    int nPages = 0;
    {
        CBuildScope scope(&wide, nullptr);
        nPages = build();
    }
    if (wide.IsEmpty()) return nPages;
    CBuildScope scope(nullptr, &wide);
    return build();
}

CWideAmounts* WideAmountsToNote() { return g_pNoting; }
const CWideAmounts* WideAmountsInForce() { return g_pInForce; }
