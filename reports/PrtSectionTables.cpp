// The fixed column layouts of the report tables. Each row kind lies on a
// list of slots sized by width templates in the current font; columns are
// centred, left- or right-aligned on their slot, and the two amount
// columns of the item tables are anchored to the right margin. An amount
// slot widens to the widest amount a report prints on it (WideAmounts.h).
#include <algorithm>
#include <vector>

#include "framework/win/Gdi.h"
#include "reports/PageMetrics.h"
#include "reports/PrtSection.h"
#include "reports/ReportMessages.h"
#include "reports/TemplateWidths.h"
#include "reports/WideAmounts.h"

namespace {
constexpr const char* kFlexible = nullptr;  // the slot that takes the room left
constexpr const char* kAmount = "9,999,999.99";
// The Accessories slot of the price lists: blank under its heading on
// every row. Those tables have no flexible slot, so when wider amounts
// would push a row past the right margin, this slot gives up the room its
// template holds beyond the heading.
constexpr const char* kAccessories = "9999999999999999";

enum class Place { Mid, Left, Right, AnchorBeforeLast, AnchorLast };

struct Slot {
    Place place;
    int nSlot;
};

struct SlotRow {
    std::vector<int> widths;
    std::vector<int> starts;
    int W = 0;
    int gap = 0;
};

// Narrows the Accessories slot, down to its heading, by what the row
// reaches past the right margin.
void GiveRoomToAmounts(CDC* pDC, SlotRow& row, const std::vector<const char*>& templates, int sum) {
    const auto found = std::find(templates.begin(), templates.end(), kAccessories);
    if (found == templates.end()) return;
    const int nGaps = static_cast<int>(templates.size()) - 1;
    const int nPast = CPrtSection::kMargin + sum + nGaps * row.gap - (row.W - CPrtSection::kMargin);
    int& width = row.widths[static_cast<size_t>(found - templates.begin())];
    const int nSpare = width - TextWidth(pDC, RptMsg::kAccessories);
    if (nPast > 0 && nSpare > 0) width -= std::min(nPast, nSpare);
}

// Widths and left edges of the slots: each the width of its template, or
// of the widest amount the report prints on it; the flexible slot (if any)
// gets P - (the other widths) - nGaps x gap.
SlotRow MeasureSlots(CDC* pDC, CPrintInfo* pInfo, const std::vector<const char*>& templates, int nGaps) {
    SlotRow row;
    row.W = PageWidth(pDC, pInfo);
    row.gap = AveCharWidth(pDC);
    row.widths = TemplateWidths(pDC, templates);
    const CWideAmounts* pWide = WideAmountsInForce();
    int nFlexible = -1;
    int sum = 0;
    for (size_t k = 0; k < templates.size(); ++k) {
        if (templates[k] == kFlexible) {
            nFlexible = static_cast<int>(k);
            continue;
        }
        if (pWide) row.widths[k] = pWide->Width(&templates, static_cast<int>(k), row.widths[k]);
        sum += row.widths[k];
    }
    if (nFlexible >= 0) row.widths[nFlexible] = row.W - 2 * CPrtSection::kMargin - sum - nGaps * row.gap;
    if (pWide) GiveRoomToAmounts(pDC, row, templates, sum);
    int x = CPrtSection::kMargin;
    row.starts.reserve(row.widths.size());
    for (size_t k = 0; k < row.widths.size(); ++k) {
        row.starts.push_back(x);
        x += row.widths[k] + row.gap;
    }
    return row;
}

void PlaceColumn(CPrtCol* pCol, const SlotRow& row, const Slot& slot) {
    const int L = row.starts[slot.nSlot];
    const int w = row.widths[slot.nSlot];
    switch (slot.place) {
        case Place::Mid:
            pCol->m_nAlign = CPrtCol::kCenter;
            pCol->m_x = L + w / 2;
            break;
        case Place::Left:
            pCol->m_x = L;
            break;
        case Place::Right:
            pCol->m_nAlign = CPrtCol::kRight;
            pCol->m_x = L + w;
            break;
        case Place::AnchorLast:
            pCol->m_nAlign = CPrtCol::kRight;
            pCol->m_x = row.W - CPrtSection::kMargin;
            break;
        case Place::AnchorBeforeLast:
            pCol->m_nAlign = CPrtCol::kRight;
            pCol->m_x = row.W - CPrtSection::kMargin - row.widths.back() - row.gap;
            break;
    }
}

struct RowKind {
    const std::vector<const char*>& templates;
    int nGaps;  // for the flexible slot
    std::vector<Slot> slots;
    bool bHeading;  // underline every column
    int nWrapped;   // the column wrapped to the flexible slot, or -1
};

// The slot an amount column stands on.
int SlotOf(const RowKind& kind, const Slot& slot) {
    const int nLast = static_cast<int>(kind.templates.size()) - 1;
    switch (slot.place) {
        case Place::AnchorLast:
            return nLast;
        case Place::AnchorBeforeLast:
            return nLast - 1;
        default:
            return slot.nSlot;
    }
}

// The right end of a column's line n; a column wrapped to the flexible
// slot may fill it on any line.
int RightEnd(CDC* pDC, const CPrtCol* pCol, int n, bool bFillsSlot, int nSlotEnd) {
    if (bFillsSlot) return nSlotEnd;
    if (n >= pCol->GetLineCount() || pCol->m_lines[n].IsEmpty()) return 0;
    const int w = TextWidth(pDC, pCol->m_lines[n]);
    if (pCol->m_nAlign == CPrtCol::kRight) return pCol->m_x;
    return pCol->m_nAlign == CPrtCol::kCenter ? pCol->m_x + w - w / 2 : pCol->m_x + w;
}

// Notes the width each amount slot needs for the row: an amount wider
// than its slot must still begin a gap after the nearest text to its left
// on its line (an empty cell to its left lends its room).
void NoteWideAmounts(CPrtSection& band, CDC* pDC, const RowKind& kind, const SlotRow& row) {
    CWideAmounts* pNote = WideAmountsToNote();
    if (!pNote || kind.bHeading) return;
    const int nColumns = static_cast<int>(kind.slots.size());
    for (int i = 0; i < nColumns; ++i) {
        const Slot& slot = kind.slots[i];
        if (slot.place == Place::Mid || slot.place == Place::Left) continue;
        const int nSlot = SlotOf(kind, slot);
        const CPrtCol* pCol = band.GetColumn(i);
        for (int n = 0; n < pCol->GetLineCount(); ++n) {
            const int w = TextWidth(pDC, pCol->m_lines[n]);
            if (w <= row.widths[nSlot]) continue;
            int nLeftEnd = CPrtSection::kMargin - row.gap;  // nothing left of the margin
            for (int j = 0; j < nColumns; ++j) {
                const int nOther = SlotOf(kind, kind.slots[j]);
                if (nOther >= nSlot) continue;
                const bool bFills = j == kind.nWrapped;
                nLeftEnd = std::max(nLeftEnd, RightEnd(pDC, band.GetColumn(j), n, bFills,
                                                       row.starts[nOther] + row.widths[nOther]));
            }
            const int nShort = nLeftEnd + row.gap - (pCol->m_x - w);
            if (nShort > 0) pNote->Note(&kind.templates, nSlot, row.widths[nSlot] + nShort);
        }
    }
}

void Lay(CPrtSection& band, CDC* pDC, CPrintInfo* pInfo, const RowKind& kind) {
    if (band.GetColumnCount() != static_cast<int>(kind.slots.size())) return;
    const SlotRow row = MeasureSlots(pDC, pInfo, kind.templates, kind.nGaps);
    for (size_t i = 0; i < kind.slots.size(); ++i) {
        CPrtCol* pCol = band.GetColumn(static_cast<int>(i));
        PlaceColumn(pCol, row, kind.slots[i]);
        if (kind.bHeading) pCol->m_bUnderline = TRUE;
    }
    if (kind.nWrapped >= 0) {
        const int nSlot = kind.slots[kind.nWrapped].nSlot;
        band.WrapColumn(pDC, band.GetColumn(kind.nWrapped), row.widths[nSlot], TRUE);
    }
    NoteWideAmounts(band, pDC, kind, row);
}

Slot Mid(int k) { return {Place::Mid, k}; }
Slot Left(int k) { return {Place::Left, k}; }
Slot Right(int k) { return {Place::Right, k}; }
const Slot kAnchorBeforeLast{Place::AnchorBeforeLast, 0};
const Slot kAnchorLast{Place::AnchorLast, 0};

// Slot lists.
const std::vector<const char*> kQuoteOne = {"999", "9999", kFlexible};
const std::vector<const char*> kQuoteOnePriced = {"999", "9999", kFlexible, kAmount, kAmount};
const std::vector<const char*> kQuoteTwo = {"999", "9999", "999-999", kFlexible, kAmount, kAmount};
const std::vector<const char*> kQuoteThree = {"999",     "9999",  "999-999", "99999999999999999999",
                                              kFlexible, kAmount, kAmount};
const std::vector<const char*> kPurchOrd = {"999", "9999", kFlexible, kAmount, kAmount};
const std::vector<const char*> kPropSum = {
    "999",        "9999",  "9999999",  "999999999999", "9999",  "99999", "99999999999999999",
    kAccessories, kAmount, "9,999.99", kAmount,        kAmount, kAmount, kAmount,
    kAmount,      kAmount, kAmount,    "99.9999"};
const std::vector<const char*> kSellPrice = {
    "999",        "9999",  "9999999", "999999999999", "9999", "99999", "99999999999999999",
    kAccessories, kAmount, kAmount,   kAmount,        kAmount};
const std::vector<const char*> kICDS = {"Item: 999",
                                        "Qty: 9999",
                                        "Type: 9999999999",
                                        "Plant: 9999999999",
                                        "PC: 9999",
                                        "EC: 99999999",
                                        "99999999999999999999",
                                        "999999",
                                        kAmount,
                                        kAmount,
                                        kAmount,
                                        "99.9999",
                                        "9999.99"};
const std::vector<const char*> kComm = {"999",
                                        "9999",
                                        "99,999,999.99",
                                        "99,999,999,999.99",
                                        "999,999,999.99",
                                        "9,999,999,999.99",
                                        "9,999,999,999.99",
                                        "9,999,999,999.99",
                                        "9,999,999,999.99"};

std::vector<Slot> PropSumFull() {
    std::vector<Slot> s = {Mid(0), Mid(1), Mid(2), Left(3), Mid(4), Mid(5), Left(6), Left(7)};
    for (int k = 8; k <= 17; ++k) s.push_back(Right(k));
    return s;
}
}  // namespace

// Each row kind is put together once: a report lays out thousands of rows
// with the same one.
void CPrtSection::LayoutQuoteOneHeading(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{kQuoteOne, 2, {Mid(0), Mid(1), Mid(2)}, true, -1};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutQuoteOnePricedHeading(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{
        kQuoteOnePriced, 4, {Mid(0), Mid(1), Mid(2), kAnchorBeforeLast, kAnchorLast}, true, -1};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutQuoteOneLine(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{kQuoteOne, 2, {Mid(0), Mid(1), Left(2)}, false, 2};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutQuoteOnePricedLine(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{
        kQuoteOnePriced, 4, {Mid(0), Mid(1), Left(2), kAnchorBeforeLast, kAnchorLast}, false, 2};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutQuoteTwoHeading(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{
        kQuoteTwo, 5, {Mid(0), Mid(1), Mid(2), Mid(3), kAnchorBeforeLast, kAnchorLast}, true, -1};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutQuoteTwoLine(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{
        kQuoteTwo, 5, {Mid(0), Mid(1), Mid(2), Left(3), kAnchorBeforeLast, kAnchorLast}, false, 3};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutQuoteThreeHeading(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{
        kQuoteThree, 6, {Mid(0), Mid(1), Mid(2), Left(3), Left(4), kAnchorBeforeLast, kAnchorLast}, true, -1};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutQuoteThreeLine(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{
        kQuoteThree, 6, {Mid(0), Mid(1), Mid(2), Left(3), Left(4), kAnchorBeforeLast, kAnchorLast}, false, 4};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutPurchOrdHeading(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{
        kPurchOrd, 3, {Mid(0), Mid(1), Left(2), kAnchorBeforeLast, kAnchorLast}, true, -1};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutPurchOrdLine(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{
        kPurchOrd, 3, {Mid(0), Mid(1), Left(2), kAnchorBeforeLast, kAnchorLast}, false, 2};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutPropSumHeading(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{kPropSum, 0, PropSumFull(), true, -1};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutPropSumLine(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{kPropSum, 0, PropSumFull(), false, -1};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutPropSumShortLine(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind = [] {
        std::vector<Slot> s = {Mid(0), Mid(1), Left(2), Left(6), Left(7)};
        for (int k = 8; k <= 17; ++k) s.push_back(Right(k));
        return RowKind{kPropSum, 0, s, false, -1};
    }();
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutPropSumPlantTotal(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{
        kPropSum, 0, {Mid(1), Right(9), Right(11), Right(13), Right(14), Right(16), Right(17)}, false, -1};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutSellPriceHeading(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{kSellPrice,
                               0,
                               {Mid(0), Mid(1), Mid(2), Left(3), Mid(4), Mid(5), Left(6), Left(7), Right(8),
                                Right(9), Right(10), Right(11)},
                               true,
                               -1};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutSellPriceLine(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{kSellPrice,
                               0,
                               {Mid(0), Mid(1), Mid(2), Left(3), Mid(4), Mid(5), Left(6), Left(7), Right(8),
                                Right(9), Right(10), Right(11)},
                               false,
                               -1};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutSellPriceShortLine(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{
        kSellPrice,
        0,
        {Mid(0), Mid(1), Left(2), Left(6), Left(7), Right(8), Right(9), Right(10), Right(11)},
        false,
        -1};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutSellPriceTotal(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{kSellPrice, 0, {Mid(1), Right(9), Right(11)}, false, -1};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutICDSItem(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind = [] {
        std::vector<Slot> s;
        for (int k = 0; k <= 6; ++k) s.push_back(Left(k));
        for (int k = 7; k <= 12; ++k) s.push_back(Right(k));
        return RowKind{kICDS, 0, s, false, -1};
    }();
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutCommHeading(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind = [] {
        std::vector<Slot> s = {Mid(0), Mid(1)};
        for (int k = 2; k <= 8; ++k) s.push_back(Right(k));
        return RowKind{kComm, 0, s, true, -1};
    }();
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutCommLine(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind = [] {
        std::vector<Slot> s = {Mid(0), Mid(1)};
        for (int k = 2; k <= 8; ++k) s.push_back(Right(k));
        return RowKind{kComm, 0, s, false, -1};
    }();
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutCommTotal(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{kComm, 0, {Mid(1), Right(3), Right(5), Right(7), Right(8)}, false, -1};
    Lay(*this, pDC, pInfo, kKind);
}

void CPrtSection::LayoutCommSplit(CDC* pDC, CPrintInfo* pInfo) {
    static const RowKind kKind{kComm, 0, {Right(2), Right(3), Right(7)}, false, -1};
    Lay(*this, pDC, pInfo, kKind);
}
