// What the two line dialogs share: texts cut to their layout field, the
// typing limits, writing a price recalculation's one result into its
// control, the Enter key that only validates, the OK button that first
// lets the pending entry be validated, and the kept screen rectangle.
#pragma once

#include <initializer_list>

#include "framework/core/String.h"
#include "framework/win/Types.h"

class CSlots;
class CTableStruct;
class CWnd;

namespace LineDlg {

// The text cut to the length of the layout's field of that name (32000
// for a name the layout lacks).
CString CutToField(const CTableStruct* pLayout, const char* pszName, const CString& strText);
// The control's typing limit: the length of the layout's field.
void LimitControl(CWnd& dlg, int nID, const CTableStruct* pLayout, const char* pszName, bool bCombo = false);

// A recalculation result name and the control that shows it.
struct ResultControl {
    const char* pszName;
    int nID;
};
// When the list holds exactly one entry whose name is one of the targets,
// puts its value into that control; otherwise changes nothing.
void PutSingleResult(CWnd& dlg, const CSlots& slots, std::initializer_list<ResultControl> targets);
// Whether the layout has a field of that name.
bool HasField(const CTableStruct* pLayout, const char* pszName);
int FieldLength(const CTableStruct* pLayout, const char* pszName);
int FieldPrecision(const CTableStruct* pLayout, const char* pszName);

// Enter: the focus leaves the control being edited and comes back, which
// runs its leave check; the dialog stays open.
void ValidateFocusedControl(CWnd& dlg);
// TRUE when the focus is on the OK button. Otherwise presses it (button
// down, button up): the pending entry is checked first, and a completed
// click comes back to the OK handler with the focus on the button.
BOOL IsOkFocusedElsePress(CWnd& dlg, int nOkID);

// The position memory of a line dialog on each move: the first move of a
// new dialog (made while its window is created) and the moves while a
// Prev or Next is under way keep a rectangle already given; later moves
// by the user are recorded.
void RememberRect(CWnd& dlg, BOOL& bFirstMove, BOOL bPrev, BOOL bNext, CRect& rcWindow);
// Moves the dialog to the kept rectangle, if any.
void MoveToRect(CWnd& dlg, const CRect& rcWindow);

// The caption: before, the 1-based line number, after.
CString LineCaption(const char* pszBefore, int nRow, const char* pszAfter);

}  // namespace LineDlg
