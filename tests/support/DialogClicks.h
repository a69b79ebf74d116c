// What a click on a dialog's button or on a line of its list box sends the
// dialog, without moving the mouse: the tests that drive the Selection and
// finder dialogs from a test hook.
#pragma once

#include <windows.h>

#include "framework/win/Dialog.h"

// The button's BN_CLICKED, as its click reports it.
inline void Click(CDialog& dlg, int id) {
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                    reinterpret_cast<LPARAM>(::GetDlgItem(dlg.m_hWnd, id)));
}

// The selection of line i, then the notification a click on it sends.
inline void ClickLine(CDialog& dlg, int id, int i) {
    HWND hList = ::GetDlgItem(dlg.m_hWnd, id);
    ::SendMessageA(hList, LB_SETCURSEL, i, 0);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
}
