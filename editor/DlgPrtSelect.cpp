#include "editor/DlgPrtSelect.h"

#include "framework/win/DataExchange.h"
#include "res/editor_values_ids.h"

IMPLEMENT_DYNAMIC(CDlgPrtSelect, CDialog)

CDlgPrtSelect::CDlgPrtSelect(CWnd* pParent) : CDialog(IDD_PRINT_SELECT, pParent) {}

void CDlgPrtSelect::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PRTSEL_QUOTE, m_bQuote);
    DDX_Check(pDX, IDC_PRTSEL_SCOPE, m_bScope);
    DDX_Check(pDX, IDC_PRTSEL_SCOPE_PRICED, m_bScopePriced);
    DDX_Check(pDX, IDC_PRTSEL_DISTRIBUTION, m_bDistribution);
    DDX_Check(pDX, IDC_PRTSEL_PARTS, m_bParts);
    DDX_Check(pDX, IDC_PRTSEL_ICDS, m_bICDS);
    DDX_Check(pDX, IDC_PRTSEL_PROP_SUM, m_bProposalSummary);
    DDX_Check(pDX, IDC_PRTSEL_PROP_SUM_PLANT, m_bProposalSummaryPlant);
    DDX_Check(pDX, IDC_PRTSEL_PROJ_SELL, m_bProjectSellPrice);
    DDX_Check(pDX, IDC_PRTSEL_COMMISSION, m_bCommission);
    DDX_Check(pDX, IDC_PRTSEL_PURCH_ORD, m_bPurchaseOrder);
}
