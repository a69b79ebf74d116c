// CRptPropSum2: the project sell price sheet: one row per Summary line with
// its product, net and final prices and both extended by the quantity,
// then the totals of quantity, extended net and extended final, start-up
// and total freight.
#pragma once

#include "reports/RptBaseClass.h"

class CRptPropSum2 : public CRptBaseClass {
public:
    CRptPropSum2() = default;
    ~CRptPropSum2() override = default;
    virtual CRptPropSum2& operator=(const CRptPropSum2&) { return *this; }

    // Builds and paginates every band; returns the page count.
    int BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop);
};
