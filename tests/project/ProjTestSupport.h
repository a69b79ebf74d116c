// Driving the project sheet's pages from a test hook: typing as a person
// does (one character at a time), leaving a control, pressing buttons and
// the sheet's OK, and reading controls back.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/win/PropertyPage.h"
#include "framework/win/PropertySheet.h"
#include "res/project_ids.h"

namespace ProjTest {

inline HWND Item(CWnd& page, int nID) { return ::GetDlgItem(page.m_hWnd, nID); }

inline std::string Text(CWnd& page, int nID) { return page.GetDlgItemText(nID).GetString(); }

inline void Focus(CWnd& page, int nID) { ::SetFocus(Item(page, nID)); }

// Empties the control and types the text into it, one WM_CHAR at a time
// (an edit, or the edit of a combo box).
inline void Type(CWnd& page, int nID, const char* pszText) {
    HWND hCtrl = Item(page, nID);
    ::SetFocus(hCtrl);
    HWND hEdit = ::GetFocus() ? ::GetFocus() : hCtrl;
    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    ::SendMessageA(hEdit, WM_CHAR, VK_BACK, 1);
    for (const char* p = pszText; *p; ++p) ::SendMessageA(hEdit, WM_CHAR, static_cast<unsigned char>(*p), 1);
}

// Types into the control, then moves the focus to another one.
inline void TypeAndLeave(CWnd& page, int nID, const char* pszText, int nNextID) {
    Type(page, nID, pszText);
    Focus(page, nNextID);
}

inline void Press(CWnd& page, int nID) {
    page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(Item(page, nID)));
}

// The sheet's OK button, as a click sends it.
inline void PressSheetOK(CPropertySheet& sheet) {
    HWND hOk = ::GetDlgItem(sheet.m_hWnd, IDC_PROJ_SHEET_OK);
    sheet.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PROJ_SHEET_OK, BN_CLICKED), reinterpret_cast<LPARAM>(hOk));
}

inline void PressCancel(CPropertySheet& sheet) { sheet.SendMessage(WM_COMMAND, IDCANCEL, 0); }

// Changes the tab as a click on it does (the page's checks may refuse).
inline void ClickTab(CPropertySheet& sheet, int nTab) {
    CTabCtrl* pTab = sheet.GetTabControl();
    NMHDR nm{pTab->m_hWnd, AFX_IDC_TAB_CONTROL, static_cast<UINT>(TCN_SELCHANGING)};
    if (sheet.SendMessage(WM_NOTIFY, AFX_IDC_TAB_CONTROL, reinterpret_cast<LPARAM>(&nm))) return;
    pTab->SetCurSel(nTab);
    nm.code = static_cast<UINT>(TCN_SELCHANGE);
    sheet.SendMessage(WM_NOTIFY, AFX_IDC_TAB_CONTROL, reinterpret_cast<LPARAM>(&nm));
}

// A key pressed in the focused control, offered to the sheet as its modal
// loop does; TRUE when the sheet took it. An Enter it did not take reaches
// the control as a character.
inline bool PressKeyIn(CPropertySheet& sheet, UINT nKey) {
    MSG msg{::GetFocus(), WM_KEYDOWN, nKey, 1, 0, {0, 0}};
    if (AfxPreTranslateUpTo(sheet.m_hWnd, &msg)) return true;
    if (nKey == VK_RETURN) ::SendMessageA(msg.hwnd, WM_CHAR, '\r', 1);
    return false;
}

// Characters typed on the keyboard into whatever has the focus, one at a
// time, each offered to the sheet first as its modal loop does (a push
// button with the focus takes its access key there).
inline void TypeInSheet(CPropertySheet& sheet, const char* pszText) {
    for (const char* p = pszText; *p; ++p) {
        MSG msg{::GetFocus(), WM_CHAR, static_cast<unsigned char>(*p), 1, 0, {0, 0}};
        if (!AfxPreTranslateUpTo(sheet.m_hWnd, &msg))
            ::SendMessageA(msg.hwnd, WM_CHAR, msg.wParam, msg.lParam);
    }
}

// The controls that Tab visits on a page, from its first one round.
inline std::vector<int> TabOrder(CWnd& page) {
    std::vector<int> ids;
    HWND hFirst = ::GetNextDlgTabItem(page.m_hWnd, nullptr, FALSE);
    for (HWND h = hFirst; h && ids.size() < 100;) {
        ids.push_back(::GetDlgCtrlID(h));
        h = ::GetNextDlgTabItem(page.m_hWnd, h, FALSE);
        if (h == hFirst) break;
    }
    return ids;
}

// Runs fn on the next sheet that opens.
inline void OnNextSheet(std::function<void(CPropertySheet&)> fn) {
    CDialog::SetTestHook([fn](CDialog& dlg) { fn(static_cast<CPropertySheet&>(dlg)); });
}

inline bool IsOpen(CPropertySheet& sheet) { return ::IsWindowVisible(sheet.m_hWnd) != 0; }

}  // namespace ProjTest
