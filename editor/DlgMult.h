// CDlgMult: asks for the one new multiplier that the Multiplier command
// puts on every Summary line; shows the job's overall multiplier.
#pragma once

#include "editor/DlgOneValue.h"

class CDlgMult : public CDlgOneValue {
public:
    explicit CDlgMult(CTable* pTable, CWnd* pParent = nullptr);

protected:
    CString CalcCurrentValue() override;

    DECLARE_MESSAGE_MAP()
};
