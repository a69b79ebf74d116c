// The windows a selection drives. The Selection Dialog hands in its list
// boxes, text windows and itself through these; code without windows (the
// tests of the native tree, the part-number finder's search) hands in plain
// objects that keep the texts.
#pragma once

#include "framework/core/String.h"

// A list box of the dialog. Lines are appended in the order given (the
// selection lists never sort).
class CSelListBox {
public:
    virtual ~CSelListBox() = default;
    virtual void ResetContent() = 0;
    virtual int AddString(const char* psz) = 0;
    // At index, or at the end for -1.
    virtual int InsertString(int nIndex, const char* psz) = 0;
    virtual int DeleteString(int nIndex) = 0;
    virtual int GetCount() const = 0;
    // -1 when no line is selected.
    virtual int GetCurSel() const = 0;
    virtual int SetCurSel(int nIndex) = 0;
    // The text of line nIndex; empty outside the list.
    virtual CString GetLineText(int nIndex) const = 0;
    // Tab stops in dialog template units.
    virtual void SetTabStops(int nCount, const int* pStops) = 0;
};

// A window that shows one text (a static, an edit).
class CSelTextWnd {
public:
    virtual ~CSelTextWnd() = default;
    virtual void SetText(const char* psz) = 0;
    virtual CString GetText() const = 0;
};

// Sets the text of a window the caller may have left out.
inline void SelSetText(CSelTextWnd* pWnd, const char* psz) {
    if (pWnd) pWnd->SetText(psz);
}

// The dialog itself, as far as a selection measures with it.
class CSelDialogWnd {
public:
    virtual ~CSelDialogWnd() = default;
    // Width in pixels of the text in the dialog's font.
    virtual int GetTextExtent(const CString& text) const = 0;
    // The system's dialog base units (horizontal in the low word).
    virtual long GetDialogBaseUnits() const = 0;
};
