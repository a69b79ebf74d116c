// CQuoteTwo: the distribution quotation: the quotation letter with Weeks,
// unit and extended prices on every item and a proposal total.
#pragma once

#include "reports/RptBaseClass.h"

class CQuoteTwo : public CRptBaseClass {
public:
    CQuoteTwo() = default;
    ~CQuoteTwo() override = default;
    virtual CQuoteTwo& operator=(const CQuoteTwo&) { return *this; }

    // Builds every band of the letter and paginates it; returns the page
    // count. The footer band is built by the caller.
    int BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop);
};
