#include "editor/DlgSellGM.h"

#include "framework/win/MessageMap.h"
#include "model/Slots.h"
#include "res/editor_values_ids.h"

BEGIN_MESSAGE_MAP(CDlgSellGM, CDlgOneValue)
    ON_EN_KILLFOCUS(IDC_MARGIN_NEW, &CDlgSellGM::OnKillfocusNewValue)
END_MESSAGE_MAP()

CDlgSellGM::CDlgSellGM(CTable* pTable, CWnd* pParent)
    : CDlgOneValue(IDD_REVISE_MARGIN, pTable, pParent, IDC_MARGIN_NEW, IDC_MARGIN_CURRENT, "Margin") {}

CString CDlgSellGM::CalcCurrentValue() {
    CSlots slots;
    return slots.CalcOverallMargin(m_pTable);
}
