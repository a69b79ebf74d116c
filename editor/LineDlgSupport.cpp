#include "editor/LineDlgSupport.h"

#include <windows.h>

#include "framework/win/Wnd.h"
#include "model/Slots.h"
#include "model/TableStruct.h"

namespace LineDlg {

CString CutToField(const CTableStruct* pLayout, const char* pszName, const CString& strText) {
    const int nLength = pLayout ? pLayout->GetFieldLengthByName(pszName) : 32000;
    return strText.GetLength() > nLength ? strText.Left(nLength) : strText;
}

void LimitControl(CWnd& dlg, int nID, const CTableStruct* pLayout, const char* pszName, bool bCombo) {
    const int nLength = pLayout ? pLayout->GetFieldLengthByName(pszName) : 32000;
    dlg.SendDlgItemMessage(nID, bCombo ? CB_LIMITTEXT : EM_LIMITTEXT, static_cast<WPARAM>(nLength), 0);
}

void PutSingleResult(CWnd& dlg, const CSlots& slots, std::initializer_list<ResultControl> targets) {
    CString strName, strValue;
    if (!slots.GetSingle(strName, strValue)) return;
    for (const ResultControl& target : targets) {
        if (strName == target.pszName) {
            dlg.SetDlgItemText(target.nID, strValue);
            return;
        }
    }
}

bool HasField(const CTableStruct* pLayout, const char* pszName) {
    return pLayout && pLayout->FindField(pszName) >= 0;
}

int FieldLength(const CTableStruct* pLayout, const char* pszName) {
    return pLayout->GetFieldLength(pLayout->FindField(pszName));
}

int FieldPrecision(const CTableStruct* pLayout, const char* pszName) {
    return pLayout->GetFieldPrecision(pLayout->FindField(pszName));
}

void ValidateFocusedControl(CWnd& dlg) {
    const HWND hFocus = ::GetFocus();
    ::SetFocus(dlg.m_hWnd);
    if (hFocus && ::IsWindow(hFocus)) ::SetFocus(hFocus);
}

BOOL IsOkFocusedElsePress(CWnd& dlg, int nOkID) {
    const HWND hOk = ::GetDlgItem(dlg.m_hWnd, nOkID);
    if (!hOk || ::GetFocus() == hOk) return TRUE;
    ::SendMessageA(hOk, WM_LBUTTONDOWN, 0, 0);
    ::SendMessageA(hOk, WM_LBUTTONUP, 0, 0);
    return FALSE;
}

void RememberRect(CWnd& dlg, BOOL& bFirstMove, BOOL bPrev, BOOL bNext, CRect& rcWindow) {
    if (!bFirstMove && !bPrev && !bNext) {
        dlg.GetWindowRect(&rcWindow);
        return;
    }
    if (rcWindow.IsRectEmpty()) dlg.GetWindowRect(&rcWindow);
    bFirstMove = FALSE;
}

void MoveToRect(CWnd& dlg, const CRect& rcWindow) {
    // A dialog is never shrunk to nothing by an empty rectangle.
    if (rcWindow.IsRectEmpty()) return;
    dlg.MoveWindow(rcWindow.left, rcWindow.top, rcWindow.Width(), rcWindow.Height(), TRUE);
}

CString LineCaption(const char* pszBefore, int nRow, const char* pszAfter) {
    CString str;
    str.Format("%s%d%s", pszBefore, nRow + 1, pszAfter);
    return str;
}

}  // namespace LineDlg
