#include "editor/DlgTotals.h"

#include "framework/win/DataExchange.h"
#include "res/editor_values_ids.h"

CDlgTotals::CDlgTotals(CWnd* pParent) : CDialog(IDD_TOTALS, pParent) {}

void CDlgTotals::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TOTALS_COST, m_strCost);
    DDX_Text(pDX, IDC_TOTALS_LIST, m_strList);
    DDX_Text(pDX, IDC_TOTALS_NET, m_strNet);
    DDX_Text(pDX, IDC_TOTALS_MULT, m_strMultiplier);
    DDX_Text(pDX, IDC_TOTALS_MARGIN, m_strMargin);
    DDX_Text(pDX, IDC_TOTALS_FREIGHT, m_strFreightAmount);
    DDX_Text(pDX, IDC_TOTALS_FINAL, m_strFinal);
    DDX_Text(pDX, IDC_TOTALS_WEIGHT, m_strWeight);
}
