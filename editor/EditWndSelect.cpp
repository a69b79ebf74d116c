// Putting a product into the current Detail line: the Selection dialog
// (with Next DL going on with the next Detail line and Next SL with the
// next Summary line), the part-number finder, and writing the pick into the
// Detail line and its Summary line with the roll-up that follows.
#include "editor/CorvView.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"
#include "editor/EditorMessages.h"
#include "framework/core/MessageBox.h"
#include "framework/core/OwnedObArray.h"
#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Slots.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "model/TechField.h"
#include "selection/DlgDual.h"
#include "selection/DlgFindPN.h"

namespace {
int FindTechColumn(const CTableStruct* pLayout) {
    for (int f = 0; f < pLayout->GetSize(); ++f)
        if (pLayout->GetFieldType(f) == 'T') return f;
    return -1;
}

CTechField* TechFieldOf(CTable* pTable, int nRow, int nCol) {
    return dynamic_cast<CTechField*>(pTable->GetRecord(nRow)->GetField(nCol));
}

// Empties the line and gives its technical description the pick.
void PutPick(CTable* pTable, int nRow, int nTech, const CString& strDescription, const CString& strFileName,
             int nFileNo, int nStyle, const CObArray& arrComponents) {
    pTable->GetRecord(nRow)->Clear();
    CTechField* pTech = TechFieldOf(pTable, nRow, nTech);
    if (!pTech) return;
    pTech->SetText(strDescription);
    pTech->SetFileName(strFileName);
    pTech->m_nFileNo = nFileNo;
    pTech->m_nStyle = nStyle;
    pTech->SetComponents(arrComponents);
}
}  // namespace

void CEditWnd::OnSelectionDialog(BOOL bPresetFromLine) {
    if (!m_pDetailWnd || !IsCurrentRowValid()) return;
    const int nTech = FindTechColumn(m_pTable->GetTableStruct());
    if (nTech < 0) return;
    CDlgDual dlg;
    CommitField();
    BOOL bAfterNextDL = FALSE;
    for (;;) {
        if (!IsCurrentRowValid()) return;
        dlg.m_pSelection = m_pView->m_pSelection;
        if (bPresetFromLine) {
            // The line itself (after Next DL: the line just filled).
            const CTechField* pTech = TechFieldOf(m_pTable, m_nRow, nTech);
            if (pTech) {
                dlg.SetDescription(pTech->GetText());
                dlg.SetFileName(pTech->GetFileName());
                dlg.m_nFileNo = pTech->m_nFileNo;
                dlg.m_nStyle = pTech->m_nStyle;
            }
            dlg.m_bPreset = FALSE;
        } else {
            dlg.SetDescription(m_pView->m_strLastSelDescription);
            dlg.SetFileName(m_pView->m_strLastSelFileName);
            dlg.m_nFileNo = m_pView->m_nLastSelFileNo;
            dlg.m_nStyle = m_pView->m_nLastSelStyle;
            dlg.m_bPreset = TRUE;
        }
        if (bAfterNextDL) {
            // The modal dialog took the focus, which hid the editor: show it
            // over its cell again so that the keys move it.
            Reposition(m_pDetailWnd->GetGridRect(), m_pDetailWnd->m_nVisibleRows, 0, 0);
            OnKeyDown(VK_DOWN, 1, 0x150);
            if (!IsCurrentLineEmpty()) {
                InsertLine();
                if (!IsWindowVisible()) m_pDetailWnd->VScroll(SB_LINEDOWN, 0);
                OnKeyDown(VK_UP, 1, 0x148);
            }
            if (!IsCurrentRowValid()) return;
        }
        CTechField* pTech = TechFieldOf(m_pTable, m_nRow, nTech);
        if (!pTech) return;
        dlg.m_pView = m_pView;
        dlg.m_pTable = m_pTable;
        dlg.m_nRow = m_nRow;
        dlg.m_nCol = nTech;
        COwnedObArray arrComponents;
        pTech->GetComponents(arrComponents);
        dlg.SetComponents(arrComponents);
        arrComponents.DeleteAll();
        dlg.m_rcDialog = m_pView->m_rcSelectDlg;
        dlg.m_pEditor = this;

        const INT_PTR nResult = dlg.DoModal();
        if (nResult == IDOK && IsCurrentRowValid()) {
            dlg.GetComponents(arrComponents);
            PutPick(m_pTable, m_nRow, nTech, dlg.GetDescription(), dlg.GetFileName(), dlg.m_nFileNo,
                    dlg.m_nStyle, arrComponents);
            arrComponents.DeleteAll();
            dlg.GetNames(m_arrNames);
            dlg.GetValues(m_arrValues);
            ApplySelectionValues();
        }
        // The view keeps the dialog's place and its loaded product data
        // (the dialog may have replaced and deleted the one it was given).
        m_pView->m_rcSelectDlg = dlg.m_rcDialog;
        m_pView->m_pSelection = dlg.m_pSelection;

        if (dlg.m_bNextDL && m_pDetailWnd->m_nVisibleRows == 1 && m_nRow == m_pTable->GetSize() - 1) {
            AfxMessageBox(EditorMsg::kSelectNoRoomDetail, MB_OK);
            return;
        }
        if (dlg.m_bNextSL) {
            // The view goes on with the next Summary line once this window
            // has closed and rolled up.
            m_pView->m_bSelectNext = TRUE;
            if (const CTechField* pDone = TechFieldOf(m_pTable, m_nRow, nTech)) {
                m_pView->SetLastSelDescription(pDone->GetText());
                m_pView->SetLastSelFileName(pDone->GetFileName());
                m_pView->m_nLastSelFileNo = pDone->m_nFileNo;
                m_pView->m_nLastSelStyle = pDone->m_nStyle;
            }
            m_pDetailWnd->PostMessage(WM_CLOSE);
            return;
        }
        if (!dlg.m_bNextDL) return;
        bAfterNextDL = TRUE;
    }
}

void CEditWnd::OnFindPartNumber() {
    if (!m_pDetailWnd || !IsCurrentRowValid()) return;
    CDlgFindPN dlg;
    if (dlg.DoModal() != IDOK || !IsCurrentRowValid()) return;
    const int nTech = FindTechColumn(m_pTable->GetTableStruct());
    if (nTech < 0) return;
    COwnedObArray arrComponents;
    dlg.GetComponents(arrComponents);
    PutPick(m_pTable, m_nRow, nTech, dlg.GetDescription(), dlg.GetFileName(), dlg.m_nFileNo, dlg.m_nStyle,
            arrComponents);
    dlg.GetNames(m_arrNames);
    dlg.GetValues(m_arrValues);
    ApplySelectionValues();
}

void CEditWnd::ApplySelectionValues() {
    if (!m_pDetailWnd || !IsCurrentRowValid()) return;
    CCorvDoc* pDoc = GetDoc();
    ApplyChangeList(m_arrNames, m_arrValues);
    // The Summary editor's line owns this Detail table while the Detail
    // window shows it; anything else would write into a foreign line.
    CEditWnd* pSummary = m_pView->m_pEditWnd.get();
    const int nSummaryRow = pSummary ? pSummary->m_nRow : -1;
    if (!pDoc->m_pTable || nSummaryRow < 0 || nSummaryRow >= pDoc->m_pTable->GetSize() ||
        pDoc->m_pTable->GetRecord(nSummaryRow)->GetChild() != m_pTable)
        return;
    pSummary->ApplyChangeList(m_arrNames, m_arrValues);
    CSlots slots;
    slots.RollUpAndPriceDetail(pDoc->m_pTable, m_pTable, nSummaryRow, m_nRow, pDoc);
    slots.GetAll(m_arrNames, m_arrValues);
    ApplyChangeList(m_arrNames, m_arrValues);
    pSummary->ApplyChangeList(m_arrNames, m_arrValues);
}
