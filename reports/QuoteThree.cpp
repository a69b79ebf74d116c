#include "reports/QuoteThree.h"

#include "reports/PricedLetter.h"

int CQuoteThree::BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop) {
    return BuildPricedLetter(*this, pDC, pInfo, pDoc, laterTop, firstTop, true);
}
