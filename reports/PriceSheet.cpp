#include "reports/PriceSheet.h"

#include "model/CorvDoc.h"
#include "model/Record.h"
#include "reports/BandText.h"
#include "reports/LetterBlocks.h"
#include "reports/PrtSection.h"
#include "reports/ReportMessages.h"

namespace {
constexpr int kQtyStars = 4;
// The closing lines stand indented by this share of the text width.
constexpr int kClosingIndent = 8;

void Merge(CExtTotal& into, const CExtTotal& from) {
    into.dSum += from.dSum;
    if (from.bOver) into.bOver = TRUE;
}
}  // namespace

void CPriceTotals::Add(const CPriceTotals& other) {
    nQty += other.nQty;
    if (other.bQtyOver) bQtyOver = TRUE;
    Merge(cost, other.cost);
    Merge(list, other.list);
    Merge(net, other.net);
    Merge(final, other.final);
}

void CPriceTotals::AddQuantity(const CString& qty) {
    if (IsOverflowText(qty))
        bQtyOver = TRUE;
    else
        nQty += TextInteger(qty);
}

bool IsFullRow(CRecord* pLine) {
    return !FieldText(pLine, "Size").IsEmpty() && !FieldText(pLine, "Type").IsEmpty();
}

void AddProductCells(CPrtSection* pBand, CRecord* pLine) {
    auto add = [pBand](const CString& text) {
        pBand->AddColumn()->AddLine(text);
    };
    add(FieldText(pLine, "Itm"));
    add(FieldText(pLine, "Qty"));
    if (IsFullRow(pLine)) {
        for (const char* pszName : {"Size", "Type", "MC", "Class"}) add(FieldText(pLine, pszName));
    } else {
        add(FieldText(pLine, "Description"));
    }
    add(FieldText(pLine, "Operator"));
    add("");  // Accessories: blank under its heading
}

CPrtSection* NewPriceHeading(std::initializer_list<const char*> priceCaptions) {
    CPrtSection* pBand = new CPrtSection;
    CPrtCol* pItem = pBand->AddColumn();
    pItem->AddLine(RptMsg::kItem);
    pItem->AddLine("");
    for (const char* psz : {RptMsg::kQty, RptMsg::kSize, RptMsg::kType, RptMsg::kMC, RptMsg::kClass,
                            RptMsg::kOperator, RptMsg::kAccessories})
        pBand->AddColumn()->AddLine(psz);
    for (const char* psz : priceCaptions) pBand->AddColumn()->AddLine(psz);
    return pBand;
}

CString QuantityTotalText(const CPriceTotals& totals) {
    if (totals.bQtyOver) return Stars(kQtyStars);
    CString qty;
    qty.Format("%lld", totals.nQty);
    return AddThousandsSeparators(qty);
}

CString AmountTotalText(const CExtTotal& total) {
    return total.bOver ? Stars(kAmountStars) : FormatAmount(total.dSum);
}

void AddClosingLines(CLetterBuilder& builder, CCorvDoc* pDoc, const CPriceTotals& totals,
                     const CPrtSection* pHeading) {
    CString startUp = pDoc->GetStartUp();
    startUp.TrimRight();
    if (!startUp.IsEmpty())
        builder.AddIndented(RptMsg::kStartUp + startUp, kClosingIndent, 0, TRUE, pHeading);
    const CString freight = totals.net.bOver || totals.final.bOver
                                ? Stars(kAmountStars)
                                : FixedTwo(totals.final.dSum - totals.net.dSum);
    builder.AddIndented(RptMsg::kTotalFreightAmount + freight, kClosingIndent, 0, TRUE, pHeading);
}
