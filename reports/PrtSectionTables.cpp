// The fixed column layouts of the report tables. Each row kind lies on a
// list of slots sized by width templates in the current font; columns are
// centred, left- or right-aligned on their slot, and the two amount
// columns of the item tables are anchored to the right margin. An amount
// slot widens to the widest amount a report prints on it (WideAmounts.h).
#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "framework/win/Gdi.h"
#include "reports/PageMetrics.h"
#include "reports/PrtSection.h"
#include "reports/TemplateWidths.h"
#include "reports/WideAmounts.h"

namespace {
constexpr const char* kFlexible = nullptr;  // the slot that takes the room left
constexpr const char* kAmount = "9,999,999.99";

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

// The room a row without a flexible slot needs past the right margin
// comes from the slots (other than centred ones) whose template is wider
// than anything they print (an empty column, a percentage or a short text
// under a wide template), the widest spare first; slots that a text
// reaches over narrow together by no more than the room it had to spare.
void GiveRoomToAmounts(SlotRow& row, const CSlotNotes& notes) {
    int nEnd = CPrtSection::kMargin + static_cast<int>(row.widths.size() - 1) * row.gap;
    for (int w : row.widths) nEnd += w;
    int nPast = nEnd - (row.W - CPrtSection::kMargin);
    if (nPast <= 0) return;
    std::vector<std::pair<int, int>> spares;  // the spare width, the slot
    for (int k = 0; k < static_cast<int>(row.widths.size()); ++k) {
        if (notes.aligned.count(k)) continue;
        auto found = notes.widest.find(k);
        const int nSpare = row.widths[k] - (found == notes.widest.end() ? 0 : found->second);
        if (nSpare > 0) spares.emplace_back(nSpare, k);
    }
    std::stable_sort(spares.begin(), spares.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::map<std::pair<int, int>, int> reaches = notes.reaches;
    auto covers = [](const std::pair<int, int>& range, int k) {
        return range.first <= k && k <= range.second;
    };
    for (const auto& [nSpare, k] : spares) {
        int take = std::min(nSpare, nPast);
        for (const auto& [range, nRoom] : reaches)
            if (covers(range, k)) take = std::min(take, nRoom);
        if (take <= 0) continue;
        for (auto& [range, nRoom] : reaches)
            if (covers(range, k)) nRoom -= take;
        row.widths[k] -= take;
        nPast -= take;
        if (nPast <= 0) break;
    }
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
    const CSlotNotes* pNotes = pWide ? pWide->Find(&templates) : nullptr;
    int nFlexible = -1;
    int sum = 0;
    for (size_t k = 0; k < templates.size(); ++k) {
        if (templates[k] == kFlexible) {
            nFlexible = static_cast<int>(k);
            continue;
        }
        if (pNotes) row.widths[k] = pNotes->Width(static_cast<int>(k), row.widths[k]);
        sum += row.widths[k];
    }
    if (nFlexible >= 0)
        row.widths[nFlexible] = row.W - 2 * CPrtSection::kMargin - sum - nGaps * row.gap;
    else if (pNotes)
        GiveRoomToAmounts(row, *pNotes);
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

// Where a column's line n prints, from its left end to its right end.
struct Extent {
    bool bText = false;
    int left = 0;
    int right = 0;
};

Extent ExtentOf(CDC* pDC, const CPrtCol* pCol, int n) {
    Extent e;
    if (n >= pCol->GetLineCount() || pCol->m_lines[n].IsEmpty()) return e;
    const int w = TextWidth(pDC, pCol->m_lines[n]);
    e.bText = true;
    if (pCol->m_nAlign == CPrtCol::kRight)
        e.left = pCol->m_x - w;
    else if (pCol->m_nAlign == CPrtCol::kCenter)
        e.left = pCol->m_x - w / 2;
    else
        e.left = pCol->m_x;
    e.right = e.left + w;
    return e;
}

bool IsAmount(const Slot& slot) { return slot.place != Place::Mid && slot.place != Place::Left; }

// Notes what one line of a row prints. An amount wider than its slot must
// still begin a gap after the nearest text to its left (an empty cell to
// its left lends its room): its slot needs that much more. In a table
// without a flexible slot, which may have to find room in its other slots
// (GiveRoomToAmounts), the widest text of every slot is noted too, and the
// slots a text reaches over, with the room it had to spare there.
void NoteLine(CSlotNotes& notes, const RowKind& kind, const SlotRow& row, const std::vector<Extent>& ext,
              const std::vector<int>& slotOf, bool bFlexible) {
    const int nColumns = static_cast<int>(ext.size());
    for (int i = 0; i < nColumns; ++i) {
        if (!ext[i].bText || i == kind.nWrapped) continue;
        const int k = slotOf[i];
        const bool bLeftOut = ext[i].left < row.starts[k];
        const bool bRightOut = ext[i].right > row.starts[k] + row.widths[k];
        // A text that reaches out of its slot does not size it: moving the
        // slot's edge only takes from the room it reaches over.
        const int nOwn = kind.slots[i].place == Place::Mid ? 0 : 1;
        if (!bFlexible && !bLeftOut && !bRightOut) notes.Print(k, ext[i].right - ext[i].left);
        if (bLeftOut) {
            int nLeftEnd = CPrtSection::kMargin - row.gap;  // nothing left of the margin
            int nObstacle = -1;
            for (int j = 0; j < nColumns; ++j) {
                if (ext[j].bText && slotOf[j] < k && ext[j].right > nLeftEnd) {
                    nLeftEnd = ext[j].right;
                    nObstacle = slotOf[j];
                }
            }
            const int nShort = nLeftEnd + row.gap - ext[i].left;
            if (nShort > 0 && IsAmount(kind.slots[i]) && !kind.bHeading)
                notes.Need(k, row.widths[k] + nShort);
            if (!bFlexible && nObstacle + 1 <= k - 1 + nOwn)
                notes.Reach(nObstacle + 1, k - 1 + nOwn, std::max(0, -nShort));
        }
        if (!bFlexible && bRightOut) {
            int nRightEnd = -1;
            int nObstacle = -1;
            for (int j = 0; j < nColumns; ++j) {
                if (ext[j].bText && slotOf[j] > k && (nObstacle < 0 || ext[j].left < nRightEnd)) {
                    nRightEnd = ext[j].left;
                    nObstacle = slotOf[j];
                }
            }
            if (nObstacle >= 0 && k + 1 - nOwn <= nObstacle - 1)
                notes.Reach(k + 1 - nOwn, nObstacle - 1, std::max(0, nRightEnd - row.gap - ext[i].right));
        }
    }
}

void NoteRow(CPrtSection& band, CDC* pDC, const RowKind& kind, const SlotRow& row) {
    CWideAmounts* pWide = WideAmountsToNote();
    if (!pWide) return;
    CSlotNotes& notes = pWide->For(&kind.templates);
    const bool bFlexible =
        std::find(kind.templates.begin(), kind.templates.end(), kFlexible) != kind.templates.end();
    const int nColumns = static_cast<int>(kind.slots.size());
    std::vector<int> slotOf(nColumns);
    for (int i = 0; i < nColumns; ++i) {
        slotOf[i] = SlotOf(kind, kind.slots[i]);
        if (kind.slots[i].place == Place::Mid) notes.aligned.insert(slotOf[i]);
    }
    std::vector<Extent> ext(nColumns);
    for (int n = 0; n < band.GetLineCount(); ++n) {
        for (int i = 0; i < nColumns; ++i) {
            if (i == kind.nWrapped) {
                // The wrapped column may fill its slot on any line.
                const int k = slotOf[i];
                ext[i] = {true, row.starts[k], row.starts[k] + row.widths[k]};
            } else if (bFlexible && !IsAmount(kind.slots[i])) {
                ext[i] = Extent();  // far left of the amounts, inside its slot
            } else {
                ext[i] = ExtentOf(pDC, band.GetColumn(i), n);
            }
        }
        NoteLine(notes, kind, row, ext, slotOf, bFlexible);
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
    NoteRow(band, pDC, kind, row);
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
const std::vector<const char*> kPropSum = {"999",
                                           "9999",
                                           "9999999",
                                           "999999999999",
                                           "9999",
                                           "99999",
                                           "99999999999999999",
                                           "9999999999999999",
                                           kAmount,
                                           "9,999.99",
                                           kAmount,
                                           kAmount,
                                           kAmount,
                                           kAmount,
                                           kAmount,
                                           kAmount,
                                           kAmount,
                                           "99.9999"};
const std::vector<const char*> kSellPrice = {
    "999",   "9999",  "9999999", "999999999999", "9999", "99999", "99999999999999999", "9999999999999999",
    kAmount, kAmount, kAmount,   kAmount};
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
