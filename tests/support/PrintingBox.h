// The box the print loop shows while it prints, as a test finds it and
// clicks its Cancel.
#pragma once

#include <windows.h>

#include <string>

#include "framework/win/PrintingDialog.h"
#include "framework/win/WinMessages.h"

inline HWND FindPrintingBox() { return ::FindWindowA("#32770", WinMsg::kPrintingTitle); }

inline std::string PrintingBoxText(HWND hBox, int id) {
    char text[256] = "";
    ::GetDlgItemTextA(hBox, id, text, sizeof text);
    return text;
}

inline void ClickCancel(HWND hBox) {
    ::SendMessageA(hBox, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hBox, IDCANCEL)));
}

// A click the box takes only when it next reads its messages.
inline void PostCancel(HWND hBox) {
    ::PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hBox, IDCANCEL)));
}
