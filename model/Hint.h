// CHint: where a change of a job's lines happened, sent with an update code
// from the job document to its views (CDocument::UpdateAllViews).
#pragma once

#include "framework/core/Object.h"

class CTable;

class CHint : public CObject {
public:
    // The table changed (the Summary table or one line's Detail table), the
    // field index in its layout and the line index; -1 for all or none.
    CHint(CTable* pTable, int nColumn, int nRow) : m_pTable(pTable), m_nColumn(nColumn), m_nRow(nRow) {}
    CHint(const CHint& other) = default;
    CHint& operator=(const CHint& other) = default;

    CTable* m_pTable;
    int m_nColumn;
    int m_nRow;
};

// Update codes. Odd codes speak of the Summary grid, the even code after
// each of the same event in a Detail grid.
enum HintCode {
    kHintLineAppended = 1,  // no hint object (Detail: table)
    kHintDetailLineAppended = 2,
    kHintLineInserted = 3,  // row
    kHintDetailLineInserted = 4,
    kHintLinePasted = 5,  // row
    kHintDetailLinePasted = 6,
    kHintLineChanged = 7,  // row: several fields of one line
    kHintDetailLineChanged = 8,
    kHintLineDeleted = 9,  // row
    kHintDetailLineDeleted = 10,
    kHintCellChanged = 11,  // column, row
    kHintDetailCellChanged = 12,
    kHintFontChanged = 13,    // no hint object
    kHintLineToBeCut = 14,    // row; sent with the editing view as sender
    kHintColumnChanged = 15,  // column: one column changed on all lines
    kHintDetailColumnChanged = 16,
};
