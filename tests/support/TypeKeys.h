// Typing as a person does: one WM_CHAR per character into the control that
// has the focus, each handled (and each change notified) before the next.
// A dialog that rewrites the text under the caret on every change is caught
// this way, where setting the whole text at once would hide it.
#pragma once

#include <windows.h>

#include <string>

inline void TypeKeys(HWND hEdit, const std::string& text) {
    ::SetFocus(hEdit);
    for (char ch : text) ::SendMessageA(hEdit, WM_CHAR, static_cast<unsigned char>(ch), 1);
}

inline std::string WindowText(HWND hWnd) {
    char buf[1024] = "";
    ::GetWindowTextA(hWnd, buf, sizeof buf);
    return buf;
}
