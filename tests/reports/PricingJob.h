// A realistic priced job for the report tests: three plants, items with
// Detail lines and quantities above one, a line without a net price, an
// amount that overflows its field, the header texts every report prints.
#pragma once

#include <memory>

#include "framework/core/String.h"

class CCorvDoc;
class CRecord;

struct PricingJobOptions {
    bool bEmptyNetLine = true;   // item 4: priced but without a net
    bool bOverflowLine = false;  // item 6: a Final that does not fit its field
    bool bTrailingBlank = true;  // an empty Summary line at the end
};

// The job. Items (Qty, Net, Final, List, Cost, BuyOut, Comm, Plant):
//   1: 3 x 1500.00 / 1600.00 / 2000.00 / 1000.00 / 200.00 / 5.00 / WEST, full row, 2 Detail lines
//   2: 2 x 3000.00 / 3150.50 / 4000.00 / 2500.00 / 0 / 4.00 / EAST, short row, 1 Detail line
//   3: 1500 x 1234.50 / 1300.00 / 1500.00 / 1000.00 / 100.00 / 2.50 / CENTRAL, full row, words above and below
//   4 (bEmptyNetLine): 5 x (no net) / (no final) / 100.00 / 50.00 / - / 5.00 / EAST
//   6 (bOverflowLine): 2 x 10.00 / ********** / 10.00 / 5.00 / - / 5.00 / WEST
std::unique_ptr<CCorvDoc> MakePricingJob(const PricingJobOptions& options = PricingJobOptions());
// The same header texts and lines, added to a job (a new job in its window).
void FillPricingJob(CCorvDoc& doc, const PricingJobOptions& options = PricingJobOptions());
// Appends nCount lines numbered from nFirst: 2 x net 100.00, final 110.00,
// list 200.00, cost 80.00, 5 % commission, size 2 ball, on five plants.
void AddPlainLines(CCorvDoc& doc, int nFirst, int nCount);
// Appends nCount lines numbered from nFirst whose every amount is as large
// as its field takes: 9999 x 9999999.99 in net, final, list, cost and
// buy-out, multiplier 99.9999, margin and commission 9999.99 %, weight
// 999999, and two Detail lines priced likewise; every other line is a full
// row (Size and Type set), the others show their description.
void AddLargestLines(CCorvDoc& doc, int nFirst, int nCount);

// Appends a Summary line with the given item number, quantity and net.
CRecord* AddPricedLine(CCorvDoc& doc, const char* pszItem, const char* pszQty, const char* pszNet);
// Sets a field of a line by name.
void Put(CRecord* pLine, const char* pszName, const CString& text);
