// The Detail-to-Summary roll-up: a Summary line's Weight, Cost, List and
// "Detail Net" are the sums of its Detail lines, and the prices that depend
// on them follow. Everything goes into this list; the caller writes it into
// the Summary line.
#include "model/Slots.h"

#include "model/CorvDoc.h"
#include "model/Table.h"
#include "model/TableStruct.h"

namespace {
bool HasField(CTable* pTable, const char* pszName) {
    return pTable->GetTableStruct()->FindField(pszName) >= 0;
}
}  // namespace

double CSlots::AddDetailSum(CTable* pSummary, CTable* pDetail, const char* pszSummaryName,
                            const char* pszDetailName) {
    const CTableStruct* pStruct = pSummary->GetTableStruct();
    const int nField = pStruct->FindField(pszSummaryName);
    double dSum = 0.0;
    if (nField < 0) return dSum;
    BOOL bOverflow = FALSE;
    const BOOL bAny = SumColumn(pDetail, pszDetailName, dSum, bOverflow);
    AddSum(pszSummaryName, bAny, bOverflow, dSum, pStruct->GetFieldLength(nField),
           pStruct->GetFieldPrecision(nField));
    return dSum;
}

void CSlots::RollUpDetailLines(CTable* pSummary, CTable* pDetail, int nSummaryRow, CCorvDoc* pDoc) {
    if (!pSummary || !pDetail || !pSummary->GetTableStruct()) return;
    const CTableStruct* pStruct = pSummary->GetTableStruct();
    BOOL bChanged = FALSE;
    CString strNew;

    if (HasField(pSummary, "Weight")) {
        AddDetailSum(pSummary, pDetail, "Weight", "weight");
        RuleFreightFromWeight(pSummary, pDoc ? pDoc->GetFreightRate() : CString());
    }

    if (HasField(pSummary, "Cost")) {
        AddDetailSum(pSummary, pDetail, "Cost", "cost");
        Lookup("Cost", strNew);
        if (strNew != GetLineText(pSummary, "Cost", nSummaryRow)) bChanged = TRUE;
    }

    if (HasField(pSummary, "List")) {
        AddDetailSum(pSummary, pDetail, "List", "list");
        Lookup("List", strNew);
        if (strNew != GetLineText(pSummary, "List", nSummaryRow)) bChanged = TRUE;
    }

    BOOL bDetailNetIsNumber = FALSE;
    double dDetailNet = 0.0;
    if (HasField(pSummary, "Detail Net")) {
        dDetailNet = AddDetailSum(pSummary, pDetail, "Detail Net", "net");
        Lookup("Detail Net", strNew);
        const BOOL bNoNumber = IsBlank(strNew) || IsOverflow(strNew);
        if (bNoNumber && strNew != GetLineText(pSummary, "Detail Net", nSummaryRow)) bChanged = TRUE;
        bDetailNetIsNumber = !bNoNumber;
    }

    if (bDetailNetIsNumber) {
        // The Detail lines price the item: Net is their net, unrounded.
        const int nNet = pStruct->FindField("Net");
        if (nNet >= 0)
            AddNumber("Net", dDetailNet, pStruct->GetFieldLength(nNet), pStruct->GetFieldPrecision(nNet));
        RuleMultNewListNet(pSummary);
        RuleMarginNewCostNet(pSummary);
        RuleFinalNewNetFreight(pSummary);
    } else if (bChanged) {
        // The sums under the prices changed and give no net: the typed
        // prices no longer hold.
        for (const char* pszName : {"Net", "Mult", "Margin", "Final"})
            if (HasField(pSummary, pszName)) AddName(pszName);
    } else {
        // A typed Net keeps its place; only the freight follows the weight.
        const int nFinal = pStruct->FindField("Final");
        CString strFreight;
        if (HasField(pSummary, "Net") && nFinal >= 0 && Lookup("FrtAmount", strFreight))
            CalcFinal(GetLineText(pSummary, "Net", nSummaryRow), strFreight, "Final",
                      pStruct->GetFieldLength(nFinal), pStruct->GetFieldPrecision(nFinal));
    }

    const int nDescription = pStruct->FindField("Description");
    if (nDescription >= 0 && HasField(pSummary, "Size") && HasField(pSummary, "Type") &&
        HasField(pSummary, "MC") && HasField(pSummary, "Class")) {
        const CString strText = BuildDescription(pSummary, pDetail, nSummaryRow, pDoc);
        Add("Description", strText.Left(pStruct->GetFieldLength(nDescription)));
    }
}

CString CSlots::BuildDescription(CTable* pSummary, CTable* pDetail, int nSummaryRow, CCorvDoc* pDoc) const {
    const CString strSize = GetLineText(pSummary, "Size", nSummaryRow);
    const CString strType = GetLineText(pSummary, "Type", nSummaryRow);
    if (!strSize.IsEmpty() && !strType.IsEmpty())
        return strSize + " " + strType + " " + GetLineText(pSummary, "MC", nSummaryRow) + " " +
               GetLineText(pSummary, "Class", nSummaryRow);

    const CTableStruct* pDetailStruct = pDetail->GetTableStruct();
    if (!pDetailStruct || pDetailStruct->FindField("QuoteDescription") < 0 ||
        pDetailStruct->FindField("AltQuoteDescription") < 0)
        return CString();

    CString strMarket = pDoc ? pDoc->GetMarketGroup() : CString();
    strMarket.Trim();
    const bool bAlternative = strMarket.CompareNoCase("Kestrom") == 0;
    CString strText;
    for (int i = 0; i < pDetail->GetSize(); ++i) {
        CString strLine = GetLineText(pDetail, "QuoteDescription", i);
        if (bAlternative) {
            CString strAlt = GetLineText(pDetail, "AltQuoteDescription", i);
            strAlt.TrimRight();
            if (!strAlt.IsEmpty()) strLine = strAlt;
        }
        strText += " ";
        strText += strLine;
    }
    strText.Trim();
    return strText;
}

void CSlots::RollUpDetail(CTable* pSummary, CTable* pDetail, int nSummaryRow, CCorvDoc* pDoc) {
    RollUpDetailLines(pSummary, pDetail, nSummaryRow, pDoc);
}

void CSlots::RollUpAndPriceDetail(CTable* pSummary, CTable* pDetail, int nSummaryRow, int nDetailRow,
                                  CCorvDoc* pDoc) {
    RollUpDetailLines(pSummary, pDetail, nSummaryRow, pDoc);
    RuleDetailMargin(pDetail, nDetailRow);
    RuleDetailMult(pDetail, nDetailRow);
}
