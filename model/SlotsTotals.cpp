// Job totals: sums over the Summary lines of a column's value times the
// line's Qty. They change no line.
#include "model/Slots.h"

#include "model/NumberText.h"
#include "model/PriceSettings.h"
#include "model/Table.h"
#include "model/TableStruct.h"

BOOL CSlots::SumExtended(CTable* pTable, const CString& strColumn, double& dSum, BOOL& bOverflow,
                         double dFactor) {
    dSum = 0.0;
    bOverflow = FALSE;
    BOOL bAny = FALSE;
    if (!pTable || !pTable->GetTableStruct()) return FALSE;
    const CTableStruct* pStruct = pTable->GetTableStruct();
    const int nColumn = pStruct->FindField(strColumn);
    const int nQty = pStruct->FindField("Qty");
    if (nColumn < 0 || nQty < 0) return FALSE;

    for (int i = 0; i < pTable->GetSize(); ++i) {
        const CString strText = GetLineText(pTable, strColumn, i);
        if (IsBlank(strText)) continue;
        const CString strQty = GetLineText(pTable, "Qty", i);
        CString strValue = strText;
        // An overflowing value stays an overflow whatever the factor: it has
        // no number to scale.
        if (dFactor != 1.0 && !IsOverflow(strText)) {
            CSlots scaled;
            scaled.AddNumber(strColumn, RoundPriceIfSet(ReadDecimal(strText) * dFactor),
                             pStruct->GetFieldLength(nColumn), pStruct->GetFieldPrecision(nColumn));
            CString strName;
            scaled.GetSingle(strName, strValue);
        }
        dSum += ReadDecimal(strQty) * ReadDecimal(strValue);
        bAny = TRUE;
        if (IsOverflow(strValue) || IsOverflow(strQty)) {
            bOverflow = TRUE;
            break;
        }
    }
    return bAny;
}

CString CSlots::AddColumnTotal(CTable* pTable, const CString& strColumn, double dFactor) {
    double dSum = 0.0;
    BOOL bOverflow = FALSE;
    const CTableStruct* pStruct = pTable->GetTableStruct();
    const BOOL bAny = SumExtended(pTable, strColumn, dSum, bOverflow, dFactor);
    AddSum(strColumn, bAny, bOverflow, dSum, pStruct->GetFieldLengthByName(strColumn),
           pStruct->GetFieldPrecisionByName(strColumn));
    CString strValue;
    Lookup(strColumn, strValue);
    return strValue;
}

CString CSlots::CalcColumnTotal(CTable* pTable, const CString& strColumn, double dFactor) {
    Clear();
    if (!pTable || !pTable->GetTableStruct()) return CString();
    return AddColumnTotal(pTable, strColumn, dFactor);
}

CString CSlots::CalcOverallMargin(CTable* pTable) {
    Clear();
    if (!pTable || !pTable->GetTableStruct()) return CString();
    const CTableStruct* pStruct = pTable->GetTableStruct();
    const CString strCost = AddColumnTotal(pTable, "Cost", 1.0);
    const CString strNet = AddColumnTotal(pTable, "Net", 1.0);
    CalcMargin(strCost, strNet, "Margin", pStruct->GetFieldLengthByName("Margin"),
               pStruct->GetFieldPrecisionByName("Margin"));
    CString strMargin;
    Lookup("Margin", strMargin);
    return strMargin;
}

CString CSlots::CalcOverallMult(CTable* pTable) {
    Clear();
    if (!pTable || !pTable->GetTableStruct()) return CString();
    const CTableStruct* pStruct = pTable->GetTableStruct();
    const CString strList = AddColumnTotal(pTable, "List", 1.0);
    const CString strNet = AddColumnTotal(pTable, "Net", 1.0);
    CalcMult(strList, strNet, "Mult", pStruct->GetFieldLengthByName("Mult"),
             pStruct->GetFieldPrecisionByName("Mult"));
    CString strMult;
    Lookup("Mult", strMult);
    return strMult;
}
