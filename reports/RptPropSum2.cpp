#include "reports/RptPropSum2.h"

#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Table.h"
#include "reports/BandText.h"
#include "reports/LetterBlocks.h"
#include "reports/PriceSheet.h"
#include "reports/ProjectHeading.h"
#include "reports/PrtSection.h"
#include "reports/ReportMessages.h"

namespace {
CPrtSection* NewTableHeading(CDC* pDC, CPrintInfo* pInfo) {
    CPrtSection* pBand = NewPriceHeading({RptMsg::kNet, RptMsg::kNetExt, RptMsg::kFinal, RptMsg::kFinalExt});
    pBand->LayoutSellPriceHeading(pDC, pInfo);
    return pBand;
}

CPrtSection* NewItemRow(CDC* pDC, CPrintInfo* pInfo, CRecord* pLine, CPriceTotals& totals) {
    const CString qty = FieldText(pLine, "Qty");
    const CString net = FieldText(pLine, "Net");
    const CString final = FieldText(pLine, "Final");

    CPrtSection* pBand = new CPrtSection;
    AddProductCells(pBand, pLine);
    totals.AddQuantity(qty);
    auto add = [pBand](const CString& text) {
        pBand->AddColumn()->AddLine(text);
    };
    add(AddThousandsSeparators(net));
    add(AddThousandsSeparators(ExtendPrice(qty, net, totals.net)));
    add(AddThousandsSeparators(final));
    add(AddThousandsSeparators(ExtendPrice(qty, final, totals.final)));
    if (IsFullRow(pLine))
        pBand->LayoutSellPriceLine(pDC, pInfo);
    else
        pBand->LayoutSellPriceShortLine(pDC, pInfo);
    return pBand;
}

CPrtSection* NewTotals(CDC* pDC, CPrintInfo* pInfo, const CPriceTotals& t) {
    CPrtSection* pBand = new CPrtSection;
    auto add = [pBand](const char* pszRule, const CString& value) {
        CPrtCol* pCol = pBand->AddColumn();
        pCol->AddLine(pszRule);
        pCol->AddLine(value);
    };
    add("___", QuantityTotalText(t));
    add("_________", AmountTotalText(t.net));
    add("_________", AmountTotalText(t.final));
    pBand->LayoutSellPriceTotal(pDC, pInfo);
    return pBand;
}
}  // namespace

int CRptPropSum2::BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop) {
    CBandCursor cur;
    BeginBuild(pDC, pInfo, laterTop, firstTop, cur);
    CLetterBuilder builder(*this, pDC, pInfo, pDoc, cur);
    AddProjectHeading(builder, pDoc);
    builder.AddSpacer();
    CPrtSection* pHeading = NewTableHeading(pDC, pInfo);
    builder.Add(pHeading);

    // Every page after a break starts with the table heading.
    CPriceTotals totals;
    CTable* pTable = pDoc->m_pTable;
    const int nLines = pTable ? pTable->GetSize() : 0;
    for (int r = 0; r < nLines; ++r) {
        CRecord* pLine = pTable->GetRecord(r);
        if (!pLine->IsEmpty()) builder.Add(NewItemRow(pDC, pInfo, pLine, totals), pHeading);
    }
    builder.Add(NewTotals(pDC, pInfo, totals), pHeading);
    AddClosingLines(builder, pDoc, totals, pHeading);
    return EndBuild(cur);
}
