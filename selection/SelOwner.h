// CSelOwner: what a selection reads of the job view that owns the line
// being edited. Grouped-form conditions test the current Summary line's
// fields besides the Detail lines above the edited one.
#pragma once

class CRecord;
class CTableStruct;

class CSelOwner {
public:
    virtual ~CSelOwner() = default;
    // The job's Summary line layout; null when there is none.
    virtual CTableStruct* GetSummaryStruct() const = 0;
    // The Summary line whose Detail lines are being edited; null when none.
    virtual CRecord* GetCurrentSummaryLine() const = 0;
};
