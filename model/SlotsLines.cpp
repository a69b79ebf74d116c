// Reading the current texts of a line table for the price rules.
#include "model/Slots.h"

#include "model/Field.h"
#include "model/NumberText.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"

CString CSlots::GetLineText(CTable* pTable, const CString& strName, int nRow) {
    if (!pTable || !pTable->GetTableStruct()) return CString();
    const int nField = pTable->GetTableStruct()->FindField(strName);
    if (nField < 0) return CString();
    return pTable->GetRecord(nRow)->GetField(nField)->GetText();
}

BOOL CSlots::SumColumn(CTable* pTable, const CString& strName, double& dSum, BOOL& bOverflow) {
    dSum = 0.0;
    bOverflow = FALSE;
    BOOL bAny = FALSE;
    if (!pTable || !pTable->GetTableStruct()) return FALSE;
    const int nField = pTable->GetTableStruct()->FindField(strName);
    if (nField < 0) return FALSE;
    for (int i = 0; i < pTable->GetSize(); ++i) {
        const CString strText = pTable->GetRecord(i)->GetField(nField)->GetText();
        if (IsBlank(strText)) continue;
        dSum += ReadDecimal(strText);
        bAny = TRUE;
        if (IsOverflow(strText)) {
            // Later lines are not read: the column cannot be summed.
            bOverflow = TRUE;
            break;
        }
    }
    return bAny;
}
