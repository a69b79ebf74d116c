#include "editor/DlgLumpSum.h"

#include "framework/win/DataExchange.h"
#include "framework/win/MessageMap.h"
#include "model/NumberText.h"
#include "model/Slots.h"
#include "res/editor_values_ids.h"

BEGIN_MESSAGE_MAP(CDlgLumpSum, CReviseDialog)
    ON_EN_KILLFOCUS(IDC_TOTAL_TARGET, &CDlgLumpSum::OnKillfocusTarget)
END_MESSAGE_MAP()

CDlgLumpSum::CDlgLumpSum(CTable* pTable, CWnd* pParent)
    : CReviseDialog(IDD_REVISE_TOTAL, pTable, pParent, IDC_TOTAL_TARGET, IDC_TOTAL_CURRENT, "Final") {}

void CDlgLumpSum::DoDataExchange(CDataExchange* pDX) {
    CReviseDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TOTAL_CURRENT, m_strCurrent);
    DDX_Text(pDX, IDC_TOTAL_REVISED, m_strRevised);
    DDX_Text(pDX, IDC_TOTAL_TARGET, m_strTarget);
}

CString CDlgLumpSum::CalcCurrentValue() {
    CSlots slots;
    return slots.CalcColumnTotal(m_pTable, "Final", 1.0);
}

void CDlgLumpSum::OnKillfocusTarget() {
    if (!CheckNewValue(m_strTarget)) return;
    // The preview: the same factor and per-line rounding as the revision.
    const double dCurrent = ReadDecimal(GetDlgItemText(IDC_TOTAL_CURRENT));
    const double dTarget = ReadDecimal(GetDlgItemText(IDC_TOTAL_TARGET));
    const double dFactor = dCurrent == 0.0 ? 0.0 : (dTarget - dCurrent) / dCurrent + 1.0;
    CSlots slots;
    SetDlgItemText(IDC_TOTAL_REVISED, slots.CalcColumnTotal(m_pTable, "Final", dFactor));
    UpdateData(TRUE);
}
