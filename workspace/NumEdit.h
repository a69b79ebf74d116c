// CNumEdit: an edit control that lets only the characters of a number
// through as they are typed (pasted text is not filtered), and the check
// that rewrites a number field in the number form of a line field when it
// loses the focus.
#pragma once

#include "framework/win/Controls.h"

class CSetButton;
class CTableStruct;

class CNumEdit : public CEdit {
public:
    CNumEdit() = default;

    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    // Rewrites the edit's text in the number form of the layout field
    // that the label names (header numbers borrow "Margin", "List" or
    // "Weight"). When the text had to be interpreted, tells the user,
    // marks for release the latching button of the first pair whose window
    // has the focus, gives the focus back to the edit and returns 1; else 0.
    // Null edit or layout: 0, nothing done.
    int ValidateNumField(CWnd* pEdit, const char* pszLabel, CTableStruct* pStruct, CWnd* pOkWnd = nullptr,
                         CWnd* pCancelWnd = nullptr, CSetButton* pOk = nullptr, CSetButton* pCancel = nullptr,
                         CWnd* pPrevWnd = nullptr, CWnd* pNextWnd = nullptr, CSetButton* pPrev = nullptr,
                         CSetButton* pNext = nullptr);

    DECLARE_MESSAGE_MAP()
};

// The layout field whose number form a label uses.
const char* NumFieldNameForLabel(const char* pszLabel);
