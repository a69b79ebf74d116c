// CQuoteOne: the quotation letter in its three forms: Quote (unit and
// extended prices, lump sum), Scope (neither) and Scope (Priced) (the lump
// sum only).
#pragma once

#include "reports/RptBaseClass.h"

class CCorvDoc;
class CDC;
class CPrintInfo;

class CQuoteOne : public CRptBaseClass {
public:
    CQuoteOne(int bPrices, int bLumpSum) : m_bPrices(bPrices), m_bLumpSum(bLumpSum) {}
    ~CQuoteOne() override = default;
    virtual CQuoteOne& operator=(const CQuoteOne&) { return *this; }

    // Builds every band of the letter and paginates it; returns the page
    // count. The footer band is built by the caller.
    int BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop);

    int m_bPrices;   // the item table shows "Unit Price" and "Extended"
    int m_bLumpSum;  // the lump-sum line follows the item table
};
