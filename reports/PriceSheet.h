// What the proposal summary and the project sell price sheet share: their
// running totals, the product cells of an item row, and the closing
// start-up and freight lines.
#pragma once

#include <initializer_list>

#include "framework/core/String.h"
#include "reports/ReportAmounts.h"

class CCorvDoc;
class CLetterBuilder;
class CPrtSection;
class CRecord;

// One set of running totals: the report's, or one plant's.
struct CPriceTotals {
    long long nQty = 0;
    BOOL bQtyOver = FALSE;
    CExtTotal cost;
    CExtTotal list;
    CExtTotal net;
    CExtTotal final;

    // Adds another set's sums and flags into this one.
    void Add(const CPriceTotals& other);
    // Counts the line's quantity (or notes its overflow).
    void AddQuantity(const CString& qty);
};

// A row is full when both Size and Type are set: then the product shows as
// Size, Type, MC and Class; otherwise as the one Description cell.
bool IsFullRow(CRecord* pLine);
// Item, quantity, the product cells (four or one), Operator and the empty
// Accessories cell: the first columns of both reports' item rows.
void AddProductCells(CPrtSection* pBand, CRecord* pLine);
// The item table's heading over those cells: "Item" above an empty line,
// the product captions, then one column per price caption. The caller lays
// the band out in its report's form.
CPrtSection* NewPriceHeading(std::initializer_list<const char*> priceCaptions);

// The quantity total as the totals rows print it ("****" on overflow).
CString QuantityTotalText(const CPriceTotals& totals);
// An amount total with separators, or ten stars.
CString AmountTotalText(const CExtTotal& total);

// "Start-up assistance: " with the job's start-up text (when it is not
// empty once trailing blanks are gone), then "Total Freight Amount: " with
// the extended finals less the extended nets, without separators, or ten
// stars when either overflowed. Both lines are indented; a page they begin
// starts with pHeading.
void AddClosingLines(CLetterBuilder& builder, CCorvDoc* pDoc, const CPriceTotals& totals,
                     const CPrtSection* pHeading);
