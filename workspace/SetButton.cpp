#include "workspace/SetButton.h"

#include "framework/win/MessageMap.h"

BEGIN_MESSAGE_MAP(CSetButton, CButton)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

void CSetButton::OnLButtonDown(UINT, CPoint) {
    // The default processing takes the focus, which may run the number
    // check of the edit that loses it - and set m_bRelease - before it returns.
    Default();
    if (m_bRelease) {
        SetState(FALSE);
        m_bRelease = FALSE;
    }
}
