// The priced quotation letter that the distribution and parts quotations
// print: the quotation letter's blocks with an item table that always shows
// the Weeks, unit price and extended columns (the parts quotation adds the
// first part number of each item), a "Proposal Total:" line and no
// paragraph naming the local sales representative.
#pragma once

#include "framework/core/String.h"

class CCorvDoc;
class CDC;
class CPrintInfo;
class CRecord;
class CRptBaseClass;

// Builds and paginates the letter into the report; returns the page count.
int BuildPricedLetter(CRptBaseClass& report, CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop,
                      int firstTop, bool bPartNumbers);

// The first part number among the item's Detail lines, trailing blanks
// removed; empty when none has one.
CString FirstPartNumber(CRecord* pLine);
