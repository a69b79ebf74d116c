// Room for amounts wider than their table slot. The table layouts size
// each amount slot by a template such as "9,999,999.99", but a job can
// print wider amounts: a large price extended by a large quantity, or the
// total of many such lines. A report body is therefore run through
// BuildWithRoomForAmounts: the first build notes, for every slot list (a
// table layout's list of width templates, known by its address), what its
// rows print, and only when some amount came out wider than its slot is
// the report built again with room for it. A report whose amounts all fit
// is built once and prints as it always did.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <utility>

// What the rows of one slot list printed in the first build.
struct CSlotNotes {
    std::map<int, int> needed;  // slot -> the width its widest amount needs
    std::map<int, int> widest;  // slot -> its widest right-aligned text
    std::set<int> aligned;      // slots that hold a left-aligned or centred column
    // Slots first..last that a wider amount reaches over to the left of
    // its own: they may narrow by no more than the room it had to spare.
    std::map<std::pair<int, int>, int> reaches;

    // The slot's width: nTemplateWidth, or what its widest amount needs.
    int Width(int nSlot, int nTemplateWidth) const;
    void Need(int nSlot, int nWidth);
    void Print(int nSlot, int nWidth);
    void Reach(int nFirst, int nLast, int nSpare);
};

class CWideAmounts {
public:
    CSlotNotes& For(const void* pSlotList) { return m_notes[pSlotList]; }
    // Null when the list printed nothing.
    const CSlotNotes* Find(const void* pSlotList) const;
    // TRUE when some amount needs a wider slot.
    bool AnyNeeded() const;

private:
    std::map<const void*, CSlotNotes> m_notes;
};

// Runs build (a report body, returning its page count) as told above and
// returns what its last run returned.
int BuildWithRoomForAmounts(const std::function<int()>& build);

// For the table layouts while a build runs, else null: where the first
// build notes what it prints, and the notes the second build lays out by.
CWideAmounts* WideAmountsToNote();
const CWideAmounts* WideAmountsInForce();
