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

int CSlotNotes::Width(int nSlot, int nTemplateWidth) const {
    auto found = needed.find(nSlot);
    return found == needed.end() ? nTemplateWidth : std::max(nTemplateWidth, found->second);
}

void CSlotNotes::Need(int nSlot, int nWidth) {
    int& width = needed[nSlot];
    width = std::max(width, nWidth);
}

void CSlotNotes::Print(int nSlot, int nWidth) {
    int& width = widest[nSlot];
    width = std::max(width, nWidth);
}

void CSlotNotes::Reach(int nFirst, int nLast, int nSpare) {
    auto found = reaches.find({nFirst, nLast});
    if (found == reaches.end())
        reaches.emplace(std::make_pair(nFirst, nLast), nSpare);
    else
        found->second = std::min(found->second, nSpare);
}

const CSlotNotes* CWideAmounts::Find(const void* pSlotList) const {
    auto found = m_notes.find(pSlotList);
    return found == m_notes.end() ? nullptr : &found->second;
}

bool CWideAmounts::AnyNeeded() const {
    return std::any_of(m_notes.begin(), m_notes.end(),
                       [](const auto& n) { return !n.second.needed.empty(); });
}

int BuildWithRoomForAmounts(const std::function<int()>& build) {
    CWideAmounts wide;
    int nPages = 0;
    {
        CBuildScope scope(&wide, nullptr);
        nPages = build();
    }
    if (!wide.AnyNeeded()) return nPages;
    CBuildScope scope(nullptr, &wide);
    return build();
}

CWideAmounts* WideAmountsToNote() { return g_pNoting; }
const CWideAmounts* WideAmountsInForce() { return g_pInForce; }
