#include "workspace/EditIni.h"

#include "framework/win/App.h"
#include "framework/win/Controls.h"
#include "workspace/BuiltInChoices.h"
#include "workspace/DlgEditIni.h"
#include "workspace/WorkspaceMessages.h"

namespace {
bool SameEntries(const CStringArray& a, const CStringArray& b) {
    if (a.GetSize() != b.GetSize()) return false;
    for (int i = 0; i < a.GetSize(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

void RefillCombo(CComboBox* pCombo, const CStringArray& entries) {
    if (!pCombo || !pCombo->GetSafeHwnd()) return;
    const CString typed = pCombo->GetWindowText();
    pCombo->ResetContent();
    pCombo->SetWindowText(typed);
    if (entries.IsEmpty()) {
        pCombo->AddString(WorkspaceMsg::kAddItems);
        return;
    }
    for (const CString& entry : entries) pCombo->AddString(entry);
}
}  // namespace

void CEditIni::EditChoiceList(int nMaxLength, BOOL bHasDefault, CString* pDefault, CString strDefaultSection,
                              CString strDefaultKey, BOOL bHasList, CString strListSection,
                              CStringArray* pList, CComboBox* pCombo) {
    bHasDefault = bHasDefault && pDefault;
    bHasList = bHasList && pList;

    CDlgEditIni dlg;
    dlg.m_nMaxLength = nMaxLength;
    if (bHasDefault) dlg.SetDefault(*pDefault);
    if (bHasList) dlg.SetSelections(*pList);
    if (dlg.DoModal() != IDOK) return;

    CWinApp* pApp = AfxGetApp();
    if (bHasDefault) {
        const CString edited = dlg.GetDefault();
        if (edited != *pDefault) {
            *pDefault = edited;
            pApp->WriteProfileString(strDefaultSection, strDefaultKey, edited);
        }
    }

    if (!bHasList || SameEntries(dlg.m_arrSelections, *pList)) return;
    const int nOld = pList->GetSize();
    const CStringArray& edited = dlg.m_arrSelections;

    pList->Copy(edited);
    if (edited.IsEmpty()) pList->Add(WorkspaceMsg::kAddItems);
    RefillCombo(pCombo, edited);

    // The section keeps entries 1..new, or only "[Add Items]" in entry 1.
    for (int i = 1; i <= nOld; ++i)
        pApp->WriteProfileString(strListSection, ChoiceEntryKey(strListSection, i),
                                 i == 1 ? WorkspaceMsg::kAddItems : nullptr);
    for (int i = 1; i <= edited.GetSize(); ++i)
        pApp->WriteProfileString(strListSection, ChoiceEntryKey(strListSection, i), edited[i - 1]);
}
