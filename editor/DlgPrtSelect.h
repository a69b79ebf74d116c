// CDlgPrtSelect: the ticks of the reports that one print run is to print,
// one int per report (0 or 1). The caller sets the members before DoModal
// and reads them after IDOK.
#pragma once

#include "framework/win/Dialog.h"

class CDlgPrtSelect : public CDialog {
    DECLARE_DYNAMIC(CDlgPrtSelect)
public:
    explicit CDlgPrtSelect(CWnd* pParent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;

    int m_bQuote = 0;
    int m_bScope = 0;
    int m_bScopePriced = 0;
    int m_bDistribution = 0;
    int m_bParts = 0;
    int m_bICDS = 0;
    int m_bProposalSummary = 0;
    int m_bProposalSummaryPlant = 0;
    int m_bProjectSellPrice = 0;
    int m_bCommission = 0;
    int m_bPurchaseOrder = 0;
};
