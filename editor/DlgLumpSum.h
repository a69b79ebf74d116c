// CDlgLumpSum: asks for the target of the Total Final Value command. It
// shows the job's total final value and, once a target was entered, the
// total that the revision will give (each line's Final scaled and rounded
// on its own, so it may miss the target by the rounding).
#pragma once

#include "editor/ReviseDialog.h"

class CDlgLumpSum : public CReviseDialog {
public:
    explicit CDlgLumpSum(CTable* pTable, CWnd* pParent = nullptr);

    // The current total as the dialog showed it, and the target.
    CString GetValueText() const { return m_strCurrent; }
    CString GetValueText2() const { return m_strTarget; }

    void DoDataExchange(CDataExchange* pDX) override;
    void OnKillfocusTarget();

    CString m_strCurrent;
    CString m_strRevised;
    CString m_strTarget;

protected:
    CString CalcCurrentValue() override;

    DECLARE_MESSAGE_MAP()
};
