// CDlgOneValue: a revise dialog that shows one job value and takes one new
// value for every Summary line (the Multiplier and Margin commands).
#pragma once

#include "editor/ReviseDialog.h"

class CDlgOneValue : public CReviseDialog {
public:
    // The new value as last taken from its edit.
    CString GetValueText() const { return m_strNew; }

    void DoDataExchange(CDataExchange* pDX) override;
    void OnKillfocusNewValue();

    CString m_strCurrent;
    CString m_strNew;

protected:
    using CReviseDialog::CReviseDialog;
};
