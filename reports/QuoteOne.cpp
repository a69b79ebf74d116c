#include "reports/QuoteOne.h"

#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Table.h"
#include "reports/BandText.h"
#include "reports/LetterBlocks.h"
#include "reports/PrtSection.h"
#include "reports/ReportMessages.h"

int CQuoteOne::BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop) {
    CBandCursor cur;
    BeginBuild(pDC, pInfo, laterTop, firstTop, cur);
    CLetterBuilder letter(*this, pDC, pInfo, pDoc, cur);

    letter.AddAddresseeBlock();
    letter.AddSpacer(2);
    letter.AddIntroduction();

    // The item table's heading; every page the table continues on repeats it.
    CPrtSection* pHeading = new CPrtSection;
    CPrtCol* pItem = pHeading->AddColumn();
    pItem->AddLine(RptMsg::kItem);
    pItem->AddLine("");
    pHeading->AddColumn()->AddLine(RptMsg::kQty);
    pHeading->AddColumn()->AddLine(RptMsg::kDescription);
    if (m_bPrices) {
        pHeading->AddColumn()->AddLine(RptMsg::kUnitPrice);
        pHeading->AddColumn()->AddLine(RptMsg::kExtended);
        pHeading->LayoutQuoteOnePricedHeading(pDC, pInfo);
    } else {
        pHeading->LayoutQuoteOneHeading(pDC, pInfo);
    }
    letter.Add(pHeading);

    CItemTotal total;
    CTable* pLines = pDoc->m_pTable;
    const int nLines = pLines ? pLines->GetSize() : 0;
    for (int i = 0; i < nLines; ++i) {
        CRecord* pLine = pLines->GetRecord(i);
        letter.AddWordsAbove(pLine, pHeading);

        const CString qty = FieldText(pLine, "Qty");
        const CString final = FieldText(pLine, "Final");
        const CString extended = total.AddLine(qty, final);
        CPrtSection* pBand = new CPrtSection;
        pBand->AddColumn()->AddLine(FieldText(pLine, "Itm"));
        pBand->AddColumn()->AddLine(qty);
        pBand->AddColumn()->AddLine(letter.ItemDescription(pLine));
        if (m_bPrices) {
            pBand->AddColumn()->AddLine(AddThousandsSeparators(final));
            CPrtCol* pExtended = pBand->AddColumn();
            if (!extended.IsEmpty() || !qty.IsEmpty() || !final.IsEmpty()) pExtended->AddLine(extended);
            pBand->LayoutQuoteOnePricedLine(pDC, pInfo);
        } else {
            pBand->LayoutQuoteOneLine(pDC, pInfo);
        }
        letter.Add(pBand, pHeading);
    }

    if (m_bLumpSum) letter.AddTotalLine(RptMsg::kLumpSum, total.DollarTotal(), pHeading);

    letter.AddStartUp();
    letter.AddNotes();
    letter.AddTermsHeading();
    letter.AddCommercialTerms();
    letter.AddTermsText();
    letter.AddSalesRepresentative();
    letter.AddSignature();
    return EndBuild(cur);
}
