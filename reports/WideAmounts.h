// Room for amounts wider than their table slot. The table layouts size
// each amount slot by a template such as "9,999,999.99", but a job can
// print wider amounts: a large price extended by a large quantity, or the
// total of many such lines. A report body is therefore run through
// BuildWithRoomForAmounts: the first build notes every amount that came
// out wider than its slot, and only when there is one, the report is built
// again with each such slot as wide as the widest text it holds. A report
// whose amounts all fit is built once and prints as it always did.
#pragma once

#include <functional>
#include <map>
#include <utility>

// The widest amount noted per slot of each slot list (a table layout's
// list of width templates, known by its address).
class CWideAmounts {
public:
    void Note(const void* pSlotList, int nSlot, int nWidth);
    // The slot's width: nTemplateWidth, or the widest text noted when wider.
    int Width(const void* pSlotList, int nSlot, int nTemplateWidth) const;
    bool IsEmpty() const { return m_widest.empty(); }

private:
    std::map<std::pair<const void*, int>, int> m_widest;
};

// Runs build (a report body, returning its page count) as told above and
// returns what its last run returned.
int BuildWithRoomForAmounts(const std::function<int()>& build);

// For the table layouts while a build runs, else null: where the first
// build notes its wide amounts, and the widths the second build lays out.
CWideAmounts* WideAmountsToNote();
const CWideAmounts* WideAmountsInForce();
