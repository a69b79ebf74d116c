// CSetButton: a push button for dialogs that check a number field when it
// loses the focus. When that check interrupts the click that took the
// focus (its message box comes up in the middle of the button-down), the
// button lets go of its pushed look at once, so the interrupted click does
// not act as a command.
#pragma once

#include "framework/win/Controls.h"
#include "framework/win/Types.h"

class CSetButton : public CButton {
public:
    CSetButton() = default;

    void OnLButtonDown(UINT nFlags, CPoint point);

    // Set by the number check; cleared by the next button-down.
    BOOL m_bRelease = FALSE;

    DECLARE_MESSAGE_MAP()
};
