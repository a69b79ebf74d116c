// Writing into the line: the commit of the typed text, with what the user
// is told when the field did not take it as typed, the recalculation of a
// price line and the changed-field list.
#include "editor/CorvView.h"
#include "editor/EditWnd.h"
#include "editor/EditorMessages.h"
#include "framework/core/MessageBox.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/Hint.h"
#include "model/ModelMessages.h"
#include "model/Record.h"
#include "model/Slots.h"
#include "model/Table.h"
#include "model/TableStruct.h"

int CEditWnd::CommitField() {
    if (!IsCurrentRowValid() || !m_hWnd) return 0;
    CField* pField = m_pTable->GetRecord(m_nRow)->GetField(m_nCol);
    const CString strTyped = GetWindowText();
    if (strTyped == pField->GetText()) return 0;

    const int nResult = pField->SetText(strTyped);
    CCorvDoc* pDoc = GetDoc();
    pDoc->SetModifiedFlag(TRUE);
    if (nResult != 0) TellCommitResult(nResult, strTyped);

    CHint hint(m_pTable, m_nCol, m_nRow);
    pDoc->UpdateAllViews(m_pView, m_pDetailWnd ? kHintDetailCellChanged : kHintCellChanged, &hint);

    CSlots slots;
    const BOOL bRecalc = m_pDetailWnd ? slots.RecalcDetailCell(m_pTable, m_nRow, m_nCol)
                                      : slots.RecalcSummaryCell(m_pTable, m_nRow, m_nCol);
    if (bRecalc) {
        CStringArray arrNames, arrValues;
        slots.GetAll(arrNames, arrValues);
        ApplyChangeList(arrNames, arrValues);
    }
    return nResult;
}

// The texts are built whole, however long the field's name and text are.
void CEditWnd::TellCommitResult(int nResult, const CString& strTyped) {
    const CString strName = m_pTable->GetTableStruct()->GetFieldName(m_nCol);
    CString strMessage;
    if (nResult >= 1 && nResult <= 4) {
        strMessage.Format(EditorMsg::kFieldErased, strName.GetString(), m_nRow + 1, strTyped.GetString());
        strMessage += "\n";
        strMessage += ModelMsg::DateStatusText(nResult);
        strMessage += ".";
        SetWindowText("");
    } else if (nResult == 5) {
        const CString strNew = m_pTable->GetRecord(m_nRow)->GetField(m_nCol)->GetText();
        strMessage.Format(EditorMsg::kFieldInterpreted, strName.GetString(), m_nRow + 1, strNew.GetString(),
                          strTyped.GetString());
        SetWindowText(strNew);
    } else if (nResult < 0) {
        strMessage = EditorMsg::kUnknownErrorCode;
        SetWindowText("");
    } else {
        strMessage = EditorMsg::kErrorCodeUnknown;
    }
    AfxMessageBox(strMessage, MB_OK);
}

void CEditWnd::ApplyChangeList(const CStringArray& arrNames, const CStringArray& arrValues) {
    if (arrNames.GetSize() != arrValues.GetSize()) return;
    if (!IsCurrentRowValid()) return;
    CTableStruct* pLayout = m_pTable->GetTableStruct();
    CRecord* pRecord = m_pTable->GetRecord(m_nRow);
    for (int f = 0; f < pLayout->GetSize(); ++f) {
        const CString strName = pLayout->GetFieldName(f);
        for (int i = 0; i < arrNames.GetSize(); ++i) {
            if (arrNames[i] == strName) {
                pRecord->GetField(f)->SetText(arrValues[i]);
                break;
            }
        }
    }
    CCorvDoc* pDoc = GetDoc();
    CHint hint(m_pTable, m_nCol, m_nRow);
    pDoc->UpdateAllViews(nullptr, m_pDetailWnd ? kHintDetailLineChanged : kHintLineChanged, &hint);
    pDoc->SetModifiedFlag(TRUE);
}
