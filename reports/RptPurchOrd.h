// CRptPurchOrd: the job printed as a purchase order to the factory: the
// order and address block, one table line per Summary line (item,
// quantity, description, net, extended net), the order total, the
// shipping, freight, payment and packaging terms, and the job's notes.
#pragma once

#include "reports/RptBaseClass.h"

class CRptPurchOrd : public CRptBaseClass {
public:
    CRptPurchOrd() = default;
    ~CRptPurchOrd() override = default;
    virtual CRptPurchOrd& operator=(const CRptPurchOrd&) { return *this; }

    // Builds and paginates every band; returns the page count.
    int BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop);
};
