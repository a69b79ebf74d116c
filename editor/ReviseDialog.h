// CReviseDialog: what the three dialogs of the revise-all commands share.
// Each shows one current job value greyed, takes a new value in a number
// edit that is checked when it loses the focus, and closes only through its
// own OK button (1040): Enter just checks the entry being typed.
#pragma once

#include <memory>

#include "framework/core/String.h"
#include "framework/win/Dialog.h"

class CNumEdit;
class CSetButton;
class CTable;
class CTableStruct;

class CReviseDialog : public CDialog {
public:
    ~CReviseDialog() override;

    BOOL OnInitDialog() override;
    // Enter: the focus goes to the dialog and back, which checks a changed
    // entry; the dialog stays open.
    void OnOK() override;
    // Button 1040: closes with IDOK when it has the focus; worked from the
    // keyboard (Alt+O) it first takes the focus, so the entry is checked,
    // and closes only when the check had nothing to say.
    void OnClickedOk();

    CTable* m_pTable;                             // the job's Summary table; not owned
    CTableStruct* m_pLayout;                      // its layout; not owned
    std::unique_ptr<CNumEdit> m_pNumEdit;         // on the new-value edit
    std::unique_ptr<CSetButton> m_pOkButton;      // on button 1040
    std::unique_ptr<CSetButton> m_pCancelButton;  // on button 2

protected:
    // pszField: the Summary field whose length and number form the new
    // value takes.
    CReviseDialog(UINT nIDTemplate, CTable* pTable, CWnd* pParent, int nNewValueId, int nCurrentId,
                  const char* pszField);

    // The job value shown when the dialog opens.
    virtual CString CalcCurrentValue() = 0;
    // The first half of leaving the new-value edit: FALSE when its text is
    // the value already taken (nothing to do); else the text is checked
    // (and rewritten in the field's number form) and TRUE returned.
    BOOL CheckNewValue(const CString& strTaken);

    const int m_nNewValueId;
    const int m_nCurrentId;
    const char* const m_pszField;

    DECLARE_MESSAGE_MAP()
};
