#include "reports/PricedLetter.h"

#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Table.h"
#include "reports/BandText.h"
#include "reports/LetterBlocks.h"
#include "reports/PrtSection.h"
#include "reports/ReportMessages.h"

CString FirstPartNumber(CRecord* pLine) {
    CTable* pDetails = pLine->GetChild();
    const int nDetails = pDetails ? pDetails->GetSize() : 0;
    for (int i = 0; i < nDetails; ++i) {
        CString partNumber = FieldText(pDetails->GetRecord(i), "QuotePN");
        TrimTrailingSpaces(partNumber);
        if (!partNumber.IsEmpty()) return partNumber;
    }
    return CString();
}

namespace {
CPrtSection* NewTableHeading(CDC* pDC, CPrintInfo* pInfo, bool bPartNumbers) {
    CPrtSection* pBand = new CPrtSection;
    CPrtCol* pItem = pBand->AddColumn();
    pItem->AddLine(RptMsg::kItem);
    pItem->AddLine("");
    pBand->AddColumn()->AddLine(RptMsg::kQty);
    pBand->AddColumn()->AddLine(RptMsg::kWeeks);
    if (bPartNumbers) pBand->AddColumn()->AddLine(RptMsg::kPartNumber);
    for (const char* psz : {RptMsg::kDescription, RptMsg::kUnitPrice, RptMsg::kExtended})
        pBand->AddColumn()->AddLine(psz);
    if (bPartNumbers)
        pBand->LayoutQuoteThreeHeading(pDC, pInfo);
    else
        pBand->LayoutQuoteTwoHeading(pDC, pInfo);
    return pBand;
}

CPrtSection* NewItemLine(const CLetterBuilder& letter, CRecord* pLine, bool bPartNumbers, CItemTotal& total) {
    const CString qty = FieldText(pLine, "Qty");
    const CString final = FieldText(pLine, "Final");
    CPrtSection* pBand = new CPrtSection;
    pBand->AddColumn()->AddLine(FieldText(pLine, "Itm"));
    pBand->AddColumn()->AddLine(qty);
    pBand->AddColumn()->AddLine(FieldText(pLine, "Weeks"));
    if (bPartNumbers) pBand->AddColumn()->AddLine(FirstPartNumber(pLine));
    pBand->AddColumn()->AddLine(letter.ItemDescription(pLine));
    pBand->AddColumn()->AddLine(AddThousandsSeparators(final));
    // Without a quantity and a price there is nothing to extend: the column
    // stays without a line.
    CPrtCol* pExtended = pBand->AddColumn();
    if (!qty.IsEmpty() || !final.IsEmpty()) pExtended->AddLine(total.AddLine(qty, final));
    if (bPartNumbers)
        pBand->LayoutQuoteThreeLine(letter.DC(), letter.Info());
    else
        pBand->LayoutQuoteTwoLine(letter.DC(), letter.Info());
    return pBand;
}
}  // namespace

int BuildPricedLetter(CRptBaseClass& report, CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop,
                      int firstTop, bool bPartNumbers) {
    CBandCursor cur;
    report.BeginBuild(pDC, pInfo, laterTop, firstTop, cur);
    CLetterBuilder letter(report, pDC, pInfo, pDoc, cur);

    letter.AddAddresseeBlock();
    letter.AddSpacer(1);
    letter.AddIntroduction();

    // Every page the item table or its total continues on repeats the heading.
    CPrtSection* pHeading = NewTableHeading(pDC, pInfo, bPartNumbers);
    letter.Add(pHeading);
    CItemTotal total;
    CTable* pLines = pDoc->m_pTable;
    const int nLines = pLines ? pLines->GetSize() : 0;
    for (int i = 0; i < nLines; ++i) {
        CRecord* pLine = pLines->GetRecord(i);
        letter.AddWordsAbove(pLine, pHeading);
        letter.Add(NewItemLine(letter, pLine, bPartNumbers, total), pHeading);
    }
    letter.AddTotalLine(RptMsg::kProposalTotal, total.DollarTotal(), pHeading);

    letter.AddStartUp();
    letter.AddNotes();
    letter.AddTermsHeading();
    letter.AddCommercialTerms();
    letter.AddTermsText();
    letter.AddSignature();
    return report.EndBuild(cur);
}
