#include "editor/ReviseDialog.h"

#include "framework/win/MessageMap.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "res/editor_values_ids.h"
#include "workspace/NumEdit.h"
#include "workspace/SetButton.h"

BEGIN_MESSAGE_MAP(CReviseDialog, CDialog)
    ON_BN_CLICKED(IDC_REVISE_OK, &CReviseDialog::OnClickedOk)
END_MESSAGE_MAP()

CReviseDialog::CReviseDialog(UINT nIDTemplate, CTable* pTable, CWnd* pParent, int nNewValueId, int nCurrentId,
                             const char* pszField)
    : CDialog(nIDTemplate, pParent),
      m_pTable(pTable),
      m_pLayout(pTable ? pTable->GetTableStruct() : nullptr),
      m_pNumEdit(std::make_unique<CNumEdit>()),
      m_pOkButton(std::make_unique<CSetButton>()),
      m_pCancelButton(std::make_unique<CSetButton>()),
      m_nNewValueId(nNewValueId),
      m_nCurrentId(nCurrentId),
      m_pszField(pszField) {}

CReviseDialog::~CReviseDialog() = default;

BOOL CReviseDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    const int nLimit = m_pLayout ? m_pLayout->GetFieldLengthByName(m_pszField) : CTableStruct::kDefaultLength;
    SendDlgItemMessage(m_nNewValueId, EM_LIMITTEXT, nLimit);
    m_pNumEdit->SubclassDlgItem(m_nNewValueId, this);
    m_pOkButton->SubclassDlgItem(IDC_REVISE_OK, this);
    m_pCancelButton->SubclassDlgItem(IDCANCEL, this);
    // The member takes the value at the next exchange.
    GetDlgItem(m_nCurrentId)->SetWindowText(CalcCurrentValue());
    return TRUE;
}

BOOL CReviseDialog::CheckNewValue(const CString& strTaken) {
    if (m_pNumEdit->GetWindowText() == strTaken) return FALSE;
    m_pNumEdit->ValidateNumField(m_pNumEdit.get(), m_pszField, m_pLayout, m_pOkButton.get(),
                                 m_pCancelButton.get(), m_pOkButton.get(), m_pCancelButton.get());
    return TRUE;
}

void CReviseDialog::OnOK() {
    const HWND hFocus = ::GetFocus();
    ::SetFocus(m_hWnd);
    ::SetFocus(hFocus);
}

void CReviseDialog::OnClickedOk() {
    if (::GetFocus() == m_pOkButton->m_hWnd) {
        CDialog::OnOK();
        return;
    }
    // The button-down takes the focus (the entry is checked on the way);
    // the button-up then clicks again, with the focus on the button.
    m_pOkButton->SendMessage(WM_LBUTTONDOWN, 0, 0);
    m_pOkButton->SendMessage(WM_LBUTTONUP, 0, 0);
}
