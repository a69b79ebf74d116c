#include "workspace/DlgEditIni.h"

#include "framework/win/Controls.h"
#include "framework/win/DataExchange.h"
#include "framework/win/MessageMap.h"
#include "res/resource.h"
#include "workspace/WorkspaceMessages.h"

IMPLEMENT_DYNAMIC(CDlgEditIni, CDialog)

BEGIN_MESSAGE_MAP(CDlgEditIni, CDialog)
    ON_BN_CLICKED(IDC_EDITINI_ADD, &CDlgEditIni::OnAdd)
    ON_BN_CLICKED(IDC_EDITINI_DELETE, &CDlgEditIni::OnDelete)
    ON_BN_CLICKED(IDC_EDITINI_MOVE_UP, &CDlgEditIni::OnMoveUp)
    ON_BN_CLICKED(IDC_EDITINI_MOVE_DOWN, &CDlgEditIni::OnMoveDown)
    ON_BN_CLICKED(IDC_EDITINI_OK, &CDlgEditIni::OnClickedOk)
END_MESSAGE_MAP()

CDlgEditIni::CDlgEditIni(CWnd* pParent) : CDialog(IDD_EDIT_INI, pParent) {}

CString CDlgEditIni::GetDefault() const {
    CString text = m_strDefault;
    text.TrimRight(' ');
    return text;
}

CListBox* CDlgEditIni::List() const { return static_cast<CListBox*>(GetDlgItem(IDC_EDITINI_SELECTIONS)); }

void CDlgEditIni::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_EDITINI_DEFAULT, m_strDefault);
}

BOOL CDlgEditIni::OnInitDialog() {
    CDialog::OnInitDialog();
    SendDlgItemMessage(IDC_EDITINI_DEFAULT, EM_LIMITTEXT, m_nMaxLength);
    SendDlgItemMessage(IDC_EDITINI_NEW_ENTRY, EM_LIMITTEXT, m_nMaxLength);

    if (m_bHasDefault) {
        for (int id : {IDC_EDITINI_DEFAULT, IDC_EDITINI_DEFAULT_LABEL, IDC_EDITINI_DEFAULT_GROUP})
            GetDlgItem(id)->EnableWindow(TRUE);
    } else {
        SetDlgItemText(IDC_EDITINI_DEFAULT, WorkspaceMsg::kNoDefaultToEdit);
    }

    CListBox* pList = List();
    if (!m_bHasSelections) {
        pList->AddString(WorkspaceMsg::kNoSelectionsToEdit);
        return TRUE;
    }
    for (int id : {IDC_EDITINI_NEW_ENTRY, IDC_EDITINI_SELECTIONS, IDC_EDITINI_SELECTIONS_GROUP,
                   IDC_EDITINI_ADD, IDC_EDITINI_DELETE, IDC_EDITINI_MOVE_UP, IDC_EDITINI_MOVE_DOWN})
        GetDlgItem(id)->EnableWindow(TRUE);
    for (const CString& entry : m_arrSelections) pList->AddString(entry);
    return TRUE;
}

void CDlgEditIni::OnAdd() {
    CString entry = GetDlgItemText(IDC_EDITINI_NEW_ENTRY);
    entry.TrimRight(' ');
    if (entry.GetLength() < 1 || entry.GetLength() > m_nMaxLength) return;
    CListBox* pList = List();
    pList->InsertString(0, entry);
    pList->SetCurSel(0);
    SetDlgItemText(IDC_EDITINI_NEW_ENTRY, "");
}

void CDlgEditIni::OnDelete() {
    CListBox* pList = List();
    const int sel = pList->GetCurSel();
    if (sel == LB_ERR) return;
    pList->DeleteString(sel);
    const int count = pList->GetCount();
    if (count > 0) pList->SetCurSel(sel < count ? sel : count - 1);
}

void CDlgEditIni::OnMoveUp() {
    CListBox* pList = List();
    const int sel = pList->GetCurSel();
    if (sel == LB_ERR || sel == 0) return;
    const CString text = pList->GetText(sel);
    pList->DeleteString(sel);
    pList->InsertString(sel - 1, text);
    pList->SetCurSel(sel - 1);
}

void CDlgEditIni::OnMoveDown() {
    CListBox* pList = List();
    const int sel = pList->GetCurSel();
    if (sel == LB_ERR || sel >= pList->GetCount() - 1) return;
    const CString text = pList->GetText(sel);
    pList->DeleteString(sel);
    pList->InsertString(sel + 1, text);
    pList->SetCurSel(sel + 1);
}

void CDlgEditIni::OnClickedOk() {
    m_arrSelections.RemoveAll();
    CListBox* pList = List();
    for (int i = 0; i < pList->GetCount(); ++i) m_arrSelections.Add(pList->GetText(i));
    CDialog::OnOK();
}
