#include "editor/DlgOneValue.h"

#include "framework/win/DataExchange.h"

void CDlgOneValue::DoDataExchange(CDataExchange* pDX) {
    CReviseDialog::DoDataExchange(pDX);
    DDX_Text(pDX, m_nCurrentId, m_strCurrent);
    DDX_Text(pDX, m_nNewValueId, m_strNew);
}

void CDlgOneValue::OnKillfocusNewValue() {
    if (!CheckNewValue(m_strNew)) return;
    UpdateData(TRUE);
}
