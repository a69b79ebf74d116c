// The dialog's real windows behind the interfaces a selection drives: list
// boxes through the list-box messages, text windows through their window
// text, and the dialog measuring in its own font.
#pragma once

#include <windows.h>

#include "selection/SelWindows.h"

class CSelListBoxWnd : public CSelListBox {
public:
    void Attach(HWND hWnd) { m_hWnd = hWnd; }
    HWND GetHwnd() const { return m_hWnd; }

    void ResetContent() override;
    int AddString(const char* psz) override;
    int InsertString(int nIndex, const char* psz) override;
    int DeleteString(int nIndex) override;
    int GetCount() const override;
    int GetCurSel() const override;
    int SetCurSel(int nIndex) override;
    CString GetLineText(int nIndex) const override;
    void SetTabStops(int nCount, const int* pStops) override;

private:
    HWND m_hWnd = nullptr;
};

class CSelTextWndWin : public CSelTextWnd {
public:
    void Attach(HWND hWnd) { m_hWnd = hWnd; }
    HWND GetHwnd() const { return m_hWnd; }

    void SetText(const char* psz) override;
    CString GetText() const override;

private:
    HWND m_hWnd = nullptr;
};

class CSelDialogWndWin : public CSelDialogWnd {
public:
    void Attach(HWND hWnd) { m_hWnd = hWnd; }

    int GetTextExtent(const CString& text) const override;
    long GetDialogBaseUnits() const override;
    // tmHeight + tmExternalLeading of the dialog's font.
    int GetLineHeight() const;

private:
    HWND m_hWnd = nullptr;
};
