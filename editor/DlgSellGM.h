// CDlgSellGM: asks for the one new margin that the Margin command puts on
// every Summary line; shows the job's overall margin.
#pragma once

#include "editor/DlgOneValue.h"

class CDlgSellGM : public CDlgOneValue {
public:
    explicit CDlgSellGM(CTable* pTable, CWnd* pParent = nullptr);

protected:
    CString CalcCurrentValue() override;

    DECLARE_MESSAGE_MAP()
};
