#include "editor/DlgSellGM.h"

#include "framework/win/DataExchange.h"
#include "framework/win/MessageMap.h"
#include "model/Slots.h"
#include "res/editor_values_ids.h"

BEGIN_MESSAGE_MAP(CDlgSellGM, CReviseDialog)
    ON_EN_KILLFOCUS(IDC_MARGIN_NEW, &CDlgSellGM::OnKillfocusNewValue)
END_MESSAGE_MAP()

CDlgSellGM::CDlgSellGM(CTable* pTable, CWnd* pParent)
    : CReviseDialog(IDD_REVISE_MARGIN, pTable, pParent, IDC_MARGIN_NEW, IDC_MARGIN_CURRENT, "Margin") {}

void CDlgSellGM::DoDataExchange(CDataExchange* pDX) {
    CReviseDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MARGIN_CURRENT, m_strCurrent);
    DDX_Text(pDX, IDC_MARGIN_NEW, m_strNew);
}

CString CDlgSellGM::CalcCurrentValue() {
    CSlots slots;
    return slots.CalcOverallMargin(m_pTable);
}

void CDlgSellGM::OnKillfocusNewValue() {
    if (!CheckNewValue(m_strNew)) return;
    UpdateData(TRUE);
}
