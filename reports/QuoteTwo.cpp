#include "reports/QuoteTwo.h"

#include "reports/PricedLetter.h"

int CQuoteTwo::BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop) {
    return BuildPricedLetter(*this, pDC, pInfo, pDoc, laterTop, firstTop, false);
}
