// CDlgTotals: shows eight totals of a job, read-only. The caller fills them
// through the setters before DoModal.
#pragma once

#include "framework/core/String.h"
#include "framework/win/Dialog.h"

class CDlgTotals : public CDialog {
public:
    explicit CDlgTotals(CWnd* pParent = nullptr);

    void SetCost(CString str) { m_strCost = str; }
    void SetList(CString str) { m_strList = str; }
    void SetNet(CString str) { m_strNet = str; }
    void SetMultiplier(CString str) { m_strMultiplier = str; }
    void SetMargin(CString str) { m_strMargin = str; }
    void SetFreightAmount(CString str) { m_strFreightAmount = str; }
    void SetFinal(CString str) { m_strFinal = str; }
    void SetWeight(CString str) { m_strWeight = str; }

    void DoDataExchange(CDataExchange* pDX) override;

    CString m_strCost;
    CString m_strList;
    CString m_strNet;
    CString m_strMultiplier;
    CString m_strMargin;
    CString m_strFreightAmount;
    CString m_strFinal;
    CString m_strWeight;
};
