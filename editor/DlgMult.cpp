#include "editor/DlgMult.h"

#include "framework/win/DataExchange.h"
#include "framework/win/MessageMap.h"
#include "model/Slots.h"
#include "res/editor_values_ids.h"

BEGIN_MESSAGE_MAP(CDlgMult, CReviseDialog)
    ON_EN_KILLFOCUS(IDC_MULT_NEW, &CDlgMult::OnKillfocusNewValue)
END_MESSAGE_MAP()

CDlgMult::CDlgMult(CTable* pTable, CWnd* pParent)
    : CReviseDialog(IDD_REVISE_MULT, pTable, pParent, IDC_MULT_NEW, IDC_MULT_CURRENT, "Mult") {}

void CDlgMult::DoDataExchange(CDataExchange* pDX) {
    CReviseDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MULT_CURRENT, m_strCurrent);
    DDX_Text(pDX, IDC_MULT_NEW, m_strNew);
}

CString CDlgMult::CalcCurrentValue() {
    CSlots slots;
    return slots.CalcOverallMult(m_pTable);
}

void CDlgMult::OnKillfocusNewValue() {
    if (!CheckNewValue(m_strNew)) return;
    UpdateData(TRUE);
}
