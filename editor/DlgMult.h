// CDlgMult: asks for the one new multiplier that the Multiplier command
// puts on every Summary line; shows the job's overall multiplier.
#pragma once

#include "editor/ReviseDialog.h"

class CDlgMult : public CReviseDialog {
public:
    explicit CDlgMult(CTable* pTable, CWnd* pParent = nullptr);

    // The new value as last taken from its edit.
    CString GetValueText() const { return m_strNew; }

    void DoDataExchange(CDataExchange* pDX) override;
    void OnKillfocusNewValue();

    CString m_strCurrent;
    CString m_strNew;

protected:
    CString CalcCurrentValue() override;

    DECLARE_MESSAGE_MAP()
};
