// CQuoteThree: the parts quotation: the distribution quotation with the first
// part number of each item in a column of its own.
#pragma once

#include "reports/RptBaseClass.h"

class CQuoteThree : public CRptBaseClass {
public:
    CQuoteThree() = default;
    ~CQuoteThree() override = default;
    virtual CQuoteThree& operator=(const CQuoteThree&) { return *this; }

    // Builds every band of the letter and paginates it; returns the page
    // count. The footer band is built by the caller.
    int BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop);
};
