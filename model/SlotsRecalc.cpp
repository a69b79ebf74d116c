// Which prices of a line follow the one the user has just typed.
#include "model/Slots.h"

#include "model/Table.h"
#include "model/TableStruct.h"

namespace {
bool IsField(CTable* pTable, int nField, const char* pszName) {
    const int nFound = pTable->GetTableStruct()->FindField(pszName);
    return nFound >= 0 && nFound == nField;
}
}  // namespace

BOOL CSlots::RecalcSummaryCell(CTable* pTable, int nRow, int nField) {
    if (!pTable || !pTable->GetTableStruct()) return FALSE;
    if (IsField(pTable, nField, "Net")) {
        RuleMargin(pTable, nRow);
        RuleMult(pTable, nRow);
        RuleFinal(pTable, nRow);
    } else if (IsField(pTable, nField, "Mult")) {
        RuleNetFromMult(pTable, nRow);
        RuleMarginNewNet(pTable, nRow);
        RuleFinalNewNet(pTable, nRow);
    } else if (IsField(pTable, nField, "Margin")) {
        RuleNetFromMargin(pTable, nRow);
        RuleMultNewNet(pTable, nRow);
        RuleFinalNewNet(pTable, nRow);
    } else if (IsField(pTable, nField, "Final")) {
        RuleNetFromFinal(pTable, nRow);
        RuleMultNewNet(pTable, nRow);
        RuleMarginNewNet(pTable, nRow);
    } else {
        return FALSE;
    }
    return TRUE;
}

BOOL CSlots::RecalcDetailCell(CTable* pTable, int nRow, int nField) {
    if (!pTable || !pTable->GetTableStruct()) return FALSE;
    if (IsField(pTable, nField, "cost")) {
        RuleDetailMargin(pTable, nRow);
    } else if (IsField(pTable, nField, "list")) {
        RuleDetailMult(pTable, nRow);
    } else if (IsField(pTable, nField, "net")) {
        RuleDetailMargin(pTable, nRow);
        RuleDetailMult(pTable, nRow);
    } else if (IsField(pTable, nField, "mult")) {
        RuleDetailNetFromMult(pTable, nRow);
        RuleDetailMarginNewNet(pTable, nRow);
    } else if (IsField(pTable, nField, "margin")) {
        RuleDetailNetFromMargin(pTable, nRow);
        RuleDetailMultNewNet(pTable, nRow);
    } else {
        return FALSE;
    }
    return TRUE;
}
