#include "reports/RptPurchOrd.h"

#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Table.h"
#include "reports/BandText.h"
#include "reports/LetterBlocks.h"
#include "reports/ProjectHeading.h"
#include "reports/PrtSection.h"
#include "reports/ReportAmounts.h"
#include "reports/ReportMessages.h"

namespace {
// One address of the order block: name, the lines that are set, and "".
void AddAddress(CStringArray& lines, const CString& name, const CString& line1, const CString& line2,
                const CString& place, const CString& attn) {
    lines.Add(name);
    for (const CString& text : {line1, line2, place})
        if (!text.IsEmpty()) lines.Add(text);
    if (!attn.IsEmpty()) lines.Add(RptMsg::kAttn + attn);
    lines.Add("");
}

void AddOrderBlock(CLetterBuilder& builder, CCorvDoc* pDoc) {
    CStringArray labels, values, rightLabels, rightValues;
    for (const char* psz : {"", RptMsg::kProject, RptMsg::kProposalNumber, RptMsg::kCorvNo, RptMsg::kFob,
                            RptMsg::kShipVia, "", RptMsg::kShipTo, ""})
        labels.Add(psz);
    for (const CString& text : {CString(), pDoc->GetProject(), ProposalNumberText(pDoc),
                                pDoc->GetCorvNumber(), pDoc->GetShipping(), pDoc->GetPOShipVia(), CString()})
        values.Add(text);
    AddAddress(values, pDoc->GetShipToName(), pDoc->GetShipToAddrsLn1(), pDoc->GetShipToAddrsLn2(),
               CityLine(pDoc->GetShipToCity(), pDoc->GetShipToState(), pDoc->GetShipToZip()),
               pDoc->GetShipToAttn());

    for (const char* psz : {"", RptMsg::kPurchaseOrder, RptMsg::kPODate, RptMsg::kRequestDate,
                            RptMsg::kEngineer, "", "", RptMsg::kBillTo, ""})
        rightLabels.Add(psz);
    for (const CString& text : {CString(), pDoc->GetCustomerPO(), pDoc->GetPODate(), pDoc->GetPORequestDate(),
                                pDoc->GetEngineer(), CString(), CString()})
        rightValues.Add(text);
    AddAddress(rightValues, pDoc->GetBillToName(), pDoc->GetBillToAddrsLn1(), pDoc->GetBillToAddrsLn2(),
               CityLine(pDoc->GetBillToCity(), pDoc->GetBillToState(), pDoc->GetBillToZip()),
               pDoc->GetBillToAttn());

    builder.AddHeadingBlock(labels, values, rightLabels, rightValues);
}

CPrtSection* NewTableHeading(CDC* pDC, CPrintInfo* pInfo) {
    CPrtSection* pBand = new CPrtSection;
    CPrtCol* pItem = pBand->AddColumn();
    pItem->AddLine(RptMsg::kItem);
    pItem->AddLine("");
    for (const char* psz : {RptMsg::kQty, RptMsg::kDescription, RptMsg::kNet, RptMsg::kExtNet})
        pBand->AddColumn()->AddLine(psz);
    pBand->LayoutPurchOrdHeading(pDC, pInfo);
    return pBand;
}

// The Detail lines' descriptions, then the tag and the words below, each
// after a line break; the column ends with an empty line.
CString OrderDescription(const CLetterBuilder& builder, CRecord* pLine) {
    CString text = builder.DetailDescriptions(pLine);
    const CString tag = FieldText(pLine, "Tag");
    if (!tag.IsEmpty()) text += "^" + tag;
    CString below = FieldText(pLine, "WordsBelow");
    if (!below.IsEmpty()) {
        below.Replace("\r\n", "^");
        text += "^" + below;
    }
    return text + "^";
}

CPrtSection* NewItemLine(const CLetterBuilder& builder, CRecord* pLine, CExtTotal& total) {
    const CString qty = FieldText(pLine, "Qty");
    const CString net = FieldText(pLine, "Net");
    CPrtSection* pBand = new CPrtSection;
    pBand->AddColumn()->AddLine(FieldText(pLine, "Itm"));
    pBand->AddColumn()->AddLine(qty);
    pBand->AddColumn()->AddLine(OrderDescription(builder, pLine));
    pBand->AddColumn()->AddLine(AddThousandsSeparators(net));
    pBand->AddColumn()->AddLine(AddThousandsSeparators(ExtendPrice(qty, net, total)));
    pBand->LayoutPurchOrdLine(builder.DC(), builder.Info());
    return pBand;
}

CPrtSection* NewTotal(CDC* pDC, CPrintInfo* pInfo, const CExtTotal& total) {
    CPrtSection* pBand = new CPrtSection;
    pBand->AddColumn()->AddLine(RptMsg::kTotalNet);
    pBand->AddColumn()->AddLine(total.bOver ? Stars(kAmountStars) : FormatAmount(total.dSum));
    pBand->LayoutDollarTotalLine(pDC, pInfo);
    return pBand;
}

CPrtSection* NewTerms(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc) {
    CPrtSection* pBand = new CPrtSection;
    CPrtCol* pLabels = pBand->AddColumn();
    CPrtCol* pColons = pBand->AddColumn();
    CPrtCol* pValues = pBand->AddColumn();
    const char* labels[] = {RptMsg::kShippingNotes, RptMsg::kFreightTerms, RptMsg::kPaymentTerms,
                            RptMsg::kPackaging};
    const CString values[] = {pDoc->GetPOShippingNotes(), pDoc->GetFreight(), pDoc->GetPayment(),
                              pDoc->GetPackaging()};
    for (int i = 0; i < 4; ++i) {
        pLabels->AddLine(labels[i]);
        pColons->AddLine(RptMsg::kColon);
        pValues->AddLine(values[i]);
    }
    pBand->LayoutTermsBlock(pDC, pInfo);
    return pBand;
}
}  // namespace

int CRptPurchOrd::BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop) {
    CBandCursor cur;
    BeginBuild(pDC, pInfo, laterTop, firstTop, cur);
    CLetterBuilder builder(*this, pDC, pInfo, pDoc, cur);
    AddOrderBlock(builder, pDoc);
    builder.AddSpacer();
    CPrtSection* pHeading = NewTableHeading(pDC, pInfo);
    builder.Add(pHeading);

    // Every page the table continues on starts with its heading.
    CExtTotal total;
    CTable* pTable = pDoc->m_pTable;
    const int nLines = pTable ? pTable->GetSize() : 0;
    for (int r = 0; r < nLines; ++r) {
        CRecord* pLine = pTable->GetRecord(r);
        if (pLine->IsEmpty()) continue;
        builder.AddWordsAbove(pLine, pHeading);
        builder.Add(NewItemLine(builder, pLine, total), pHeading);
        builder.AddIndented(CString(), 0, 0, TRUE, pHeading);
    }
    builder.Add(NewTotal(pDC, pInfo, total), pHeading);
    builder.Add(NewTerms(pDC, pInfo, pDoc));

    const CString notes = pDoc->GetQNotes();
    if (!notes.IsEmpty()) {
        builder.AddSpacer();
        builder.AddParagraphs(notes, pDoc->m_nQNotesIndLeft, pDoc->m_nQNotesIndRight, TRUE);
    }
    return EndBuild(cur);
}
