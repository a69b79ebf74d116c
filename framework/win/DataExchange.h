// Dialog data exchange: DoDataExchange lists, per control, how a member
// and the control's content move into each other. UpdateData(FALSE) fills
// the controls from the members (m_bSaveAndValidate FALSE); UpdateData(TRUE)
// reads them back and validates (m_bSaveAndValidate TRUE). A failed check
// tells the user, puts the focus on the control and stops the exchange.
#pragma once

#include "framework/core/String.h"
#include "framework/win/Wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The control's handle; it becomes the control that a following DDV_
    // checks and that Fail() focuses. A missing control is a programming
    // error and raises CNotSupportedException.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Focuses the last prepared control and ends the exchange (CUserException).
    [[noreturn]] void Fail();

    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

// Edit (or any window) text.
// Sets a control's text only when it differs from what the control holds,
// so the caret and selection of an edit stay where the user left them.
void AfxSetWindowText(HWND hWnd, LPCSTR lpszNew);

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
// Check box and radio group (the group's first button; value -1 = none).
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// Combo box: the edit text (load: selects the first item starting with the
// text, or sets the text); CBStringExact selects only an item equal to the
// text, case included, and otherwise shows the text as it is;
// CBIndex is the selected index.
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// List box: the selected item's text, or its index.
void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
// Scroll bar position.
void DDX_Scroll(CDataExchange* pDX, int nIDC, int& value);
// Subclasses the control into rControl (once).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Checks after the matching DDX_ call. DDV_MaxChars also limits the
// control's text when the dialog is filled.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal);
