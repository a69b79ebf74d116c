#include "selection/SelLines.h"

#include "model/Field.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TechField.h"

int SelLineCount(const CTable* pTable) { return pTable ? pTable->GetSize() : 0; }

CRecord* SelLine(const CTable* pTable, int nRow) {
    if (!pTable || nRow < 0 || nRow >= pTable->GetSize()) return nullptr;
    return pTable->GetRecord(nRow);
}

CTechField* SelTechField(const CTable* pTable, int nRow, int nCol) {
    CRecord* pLine = SelLine(pTable, nRow);
    if (!pLine || nCol < 0 || nCol >= pLine->GetFieldCount()) return nullptr;
    return dynamic_cast<CTechField*>(pLine->GetField(nCol));
}

CString SelFieldText(const CRecord* pLine, int nField) {
    if (!pLine || nField < 0 || nField >= pLine->GetFieldCount()) return CString();
    CField* pField = pLine->GetField(nField);
    return pField ? pField->GetText() : CString();
}

CString SelCut(const CString& text, int nStart, int nLength) {
    if (nStart < 0) nStart = 0;
    if (nLength < 0) nLength = 0;
    if (nStart >= text.GetLength()) return CString();
    return text.Mid(nStart, nLength);
}

CString SelTrimRight(CString text) {
    text.TrimRight();
    return text;
}
