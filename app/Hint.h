// CHint: where a change of a job's lines happened, sent with an update code
// from the document to its views (CDocument::UpdateAllViews).
#pragma once

#include "framework/core/Object.h"

class CTable;

class CHint : public CObject {
public:
    // The table changed (the Summary table or one line's Detail table), the
    // field index in its layout and the line index; -1 for all or none.
    CHint(CTable* pTable, int nColumn, int nRow) : m_pTable(pTable), m_nColumn(nColumn), m_nRow(nRow) {}

    CTable* m_pTable;
    int m_nColumn;
    int m_nRow;
};

// Update codes that the document sends.
enum HintCode {
    kHintColumnChanged = 15,  // one column changed on all lines
};
