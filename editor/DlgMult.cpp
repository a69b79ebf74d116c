#include "editor/DlgMult.h"

#include "framework/win/MessageMap.h"
#include "model/Slots.h"
#include "res/editor_values_ids.h"

BEGIN_MESSAGE_MAP(CDlgMult, CDlgOneValue)
    ON_EN_KILLFOCUS(IDC_MULT_NEW, &CDlgMult::OnKillfocusNewValue)
END_MESSAGE_MAP()

CDlgMult::CDlgMult(CTable* pTable, CWnd* pParent)
    : CDlgOneValue(IDD_REVISE_MULT, pTable, pParent, IDC_MULT_NEW, IDC_MULT_CURRENT, "Mult") {}

CString CDlgMult::CalcCurrentValue() {
    CSlots slots;
    return slots.CalcOverallMult(m_pTable);
}
