#include "tests/editor/ReviseTestSupport.h"

#include "tests/app/AppTestSupport.h"

HWND Item(CDialog& dlg, int nID) { return ::GetDlgItem(dlg.m_hWnd, nID); }

std::string ItemText(CDialog& dlg, int nID) { return dlg.GetDlgItemText(nID).GetString(); }

void FocusItem(CDialog& dlg, int nID) {
    ::SetFocus(Item(dlg, nID));
    PumpMessages();
}

void ClickButton(CDialog& dlg, int nID) {
    HWND hButton = Item(dlg, nID);
    ::SendMessageA(hButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::SendMessageA(hButton, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    PumpMessages();
}

void SendButtonCommand(CDialog& dlg, int nID) {
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(Item(dlg, nID)));
    PumpMessages();
}

void PressEnter(CDialog& dlg) {
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    PumpMessages();
}

BOOL IsButtonPushed(CDialog& dlg, int nID) {
    return (::SendMessageA(Item(dlg, nID), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}
