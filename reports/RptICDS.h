// CRptICDS: the item cost development sheet, the internal cost breakdown
// of a job: one block per Summary line that holds anything, with its
// classification, every Detail line's part number, weight and prices, and
// the line's totals, lead time, buy-out, freight and final price.
#pragma once

#include "reports/RptBaseClass.h"

class CRptICDS : public CRptBaseClass {
public:
    CRptICDS() = default;
    ~CRptICDS() override = default;
    virtual CRptICDS& operator=(const CRptICDS&) { return *this; }

    // Builds and paginates every band; returns the page count.
    int BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop);
};
