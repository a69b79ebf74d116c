// CRptComm: the commission report. Per Summary line that holds anything:
// net and buy-out, both extended by the quantity, the job's commission rate
// and the effective rate earned on the net (the buy-out earns half the
// rate), extended; then the totals, the job price with freight, the freight
// and the split of the commission into shares of 30, 30, 20 and 20 percent,
// each as a percentage of the extended net.
#pragma once

#include "reports/RptBaseClass.h"

class CRptComm : public CRptBaseClass {
public:
    CRptComm() = default;
    ~CRptComm() override = default;
    virtual CRptComm& operator=(const CRptComm&) { return *this; }

    // Builds and paginates every band; returns the page count.
    int BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop);
};
