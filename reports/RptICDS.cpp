#include "reports/RptICDS.h"

#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Table.h"
#include "reports/BandText.h"
#include "reports/LetterBlocks.h"
#include "reports/ProjectHeading.h"
#include "reports/PrtSection.h"
#include "reports/ReportMessages.h"

namespace {
// Columns of an item block.
enum {
    colItem,
    colText,
    colType,
    colPlant,
    colPC,
    colEC,
    colPart,
    colWeight,
    colCost,
    colList,
    colNet,
    colMult,
    colMargin,
    colCount
};

CString LeadTimeLine(CRecord* pLine, CCorvDoc* pDoc) {
    CString weeks = FieldText(pLine, "Weeks");
    weeks.Trim(' ');
    const CString buyOut = AddThousandsSeparators(FieldText(pLine, "BuyOut"));
    if (weeks.IsEmpty())
        return RptMsg::kLeadTimePrefix + pDoc->GetDelivery() + RptMsg::kBuyOutAfterDelivery + buyOut;
    return RptMsg::kLeadTimePrefix + weeks + RptMsg::kBuyOutAfterWeeks + buyOut;
}

CPrtSection* NewItemBlock(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, CRecord* pLine) {
    CPrtSection* pBand = new CPrtSection;
    CPrtCol* c[colCount];
    for (CPrtCol*& pCol : c) pCol = pBand->AddColumn();

    c[colItem]->AddLine(RptMsg::kItemPrefix + FieldText(pLine, "Itm"));
    c[colText]->AddLine(RptMsg::kQtyPrefix + FieldText(pLine, "Qty"));
    c[colType]->AddLine(RptMsg::kTypePrefix + FieldText(pLine, "Type"));
    c[colPlant]->AddLine(RptMsg::kPlantPrefix + FieldText(pLine, "Plant"));
    c[colPC]->AddLine(RptMsg::kPCPrefix + FieldText(pLine, "PC"));
    c[colEC]->AddLine(RptMsg::kECPrefix + FieldText(pLine, "EC"));
    for (int k = colPart; k < colCount; ++k) c[k]->AddLine("");

    // Captions over the Detail lines.
    c[colText]->AddLine("");
    const char* captions[] = {RptMsg::kPartNumber, RptMsg::kWeight, RptMsg::kCost,  RptMsg::kList,
                              RptMsg::kNet,        RptMsg::kMult,   RptMsg::kMargin};
    for (int k = colPart; k < colCount; ++k) c[k]->AddLine(captions[k - colPart]);

    CTable* pDetails = pLine->GetChild();
    const int nDetails = pDetails ? pDetails->GetSize() : 0;
    for (int k = 0; k < nDetails; ++k) {
        CRecord* pDetail = pDetails->GetRecord(k);
        c[colText]->AddLine(FieldText(pDetail, "Technical Description"));
        c[colPart]->AddLine(FieldText(pDetail, "PartNumber"));
        c[colWeight]->AddLine(AddThousandsSeparators(FieldText(pDetail, "weight")));
        c[colCost]->AddLine(AddThousandsSeparators(FieldText(pDetail, "cost")));
        c[colList]->AddLine(AddThousandsSeparators(FieldText(pDetail, "list")));
        c[colNet]->AddLine(AddThousandsSeparators(FieldText(pDetail, "net")));
        c[colMult]->AddLine(FieldText(pDetail, "mult"));
        c[colMargin]->AddLine(FieldText(pDetail, "margin"));
    }

    // Rules, then the Summary line's totals.
    c[colText]->AddLine("");
    c[colWeight]->AddLine("_____");
    for (int k : {colCost, colList, colNet}) c[k]->AddLine("_________");
    for (int k : {colMult, colMargin}) c[k]->AddLine("______");

    c[colText]->AddLine(LeadTimeLine(pLine, pDoc));
    c[colWeight]->AddLine(AddThousandsSeparators(FieldText(pLine, "Weight")));
    c[colCost]->AddLine(AddThousandsSeparators(FieldText(pLine, "Cost")));
    c[colList]->AddLine(AddThousandsSeparators(FieldText(pLine, "List")));
    c[colNet]->AddLine(AddThousandsSeparators(FieldText(pLine, "Net")));
    c[colMult]->AddLine(FieldText(pLine, "Mult"));
    c[colMargin]->AddLine(FieldText(pLine, "Margin"));

    c[colText]->AddLine(RptMsg::kFreightPrefix + FieldText(pLine, "Weight") + RptMsg::kLbsAt +
                        pDoc->GetFreightRate() + RptMsg::kPerCWT);
    c[colList]->AddLine(RptMsg::kFreightLabel);
    c[colNet]->AddLine(AddThousandsSeparators(FieldText(pLine, "FrtAmount")));

    c[colText]->AddLine("");
    c[colList]->AddLine(RptMsg::kFinalLabel);
    c[colNet]->AddLine(AddThousandsSeparators(FieldText(pLine, "Final")));

    c[colText]->AddLine("");

    pBand->LayoutICDSItem(pDC, pInfo);
    return pBand;
}
}  // namespace

int CRptICDS::BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop) {
    CBandCursor cur;
    BeginBuild(pDC, pInfo, laterTop, firstTop, cur);
    CLetterBuilder builder(*this, pDC, pInfo, pDoc, cur);
    AddProjectHeading(builder, pDoc);

    CPrtSection* pSpacer = new CPrtSection;
    pSpacer->AddColumn()->AddLine("");
    pSpacer->LayoutIndented(pDC, pInfo, 0, 0, TRUE);
    builder.Add(pSpacer);

    // A block that moves to a new page starts it behind one empty line.
    CTable* pTable = pDoc->m_pTable;
    const int nLines = pTable ? pTable->GetSize() : 0;
    for (int r = 0; r < nLines; ++r) {
        CRecord* pLine = pTable->GetRecord(r);
        if (pLine->IsEmpty()) continue;
        builder.Add(NewItemBlock(pDC, pInfo, pDoc, pLine), pSpacer);
    }
    return EndBuild(cur);
}
