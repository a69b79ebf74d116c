// Driving the line dialogs from a test hook: typing into a control and
// leaving it, pressing buttons as the user does, and recording the
// messages shown meanwhile.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/core/MessageBox.h"
#include "framework/win/Dialog.h"

// Records every message box text (answering OK) while it lives.
class MessageRecorder {
public:
    MessageRecorder() {
        m_previous = AfxSetMessageBoxHook([this](const char* pszText, UINT) {
            m_texts.emplace_back(pszText);
            return IDOK;
        });
    }
    ~MessageRecorder() { AfxSetMessageBoxHook(std::move(m_previous)); }
    const std::vector<std::string>& Texts() const { return m_texts; }

private:
    MessageBoxHook m_previous;
    std::vector<std::string> m_texts;
};

inline std::string ItemText(CDialog& dlg, int nID) { return dlg.GetDlgItemText(nID).GetString(); }

inline void FocusItem(CDialog& dlg, int nID) { ::SetFocus(::GetDlgItem(dlg.m_hWnd, nID)); }

// Puts the focus into the control and types over its text key by key
// (an empty text is a Backspace over the selection), so the field's own
// key filter, its limit and any handler of each change take part.
inline void TypeInto(CDialog& dlg, int nID, const char* pszText) {
    FocusItem(dlg, nID);
    HWND hEdit = ::GetDlgItem(dlg.m_hWnd, nID);
    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    if (!*pszText) ::SendMessageA(hEdit, WM_CHAR, VK_BACK, 1);
    for (const char* p = pszText; *p; ++p) ::SendMessageA(hEdit, WM_CHAR, static_cast<unsigned char>(*p), 1);
}

// Types into the control, then moves the focus to another one.
inline void TypeAndLeave(CDialog& dlg, int nID, const char* pszText, int nNextID) {
    TypeInto(dlg, nID, pszText);
    FocusItem(dlg, nNextID);
}

// The button's click notification, as a mouse click or a keyboard press sends it.
inline void Press(CDialog& dlg, int nID) {
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                    reinterpret_cast<LPARAM>(::GetDlgItem(dlg.m_hWnd, nID)));
}

inline bool IsFocused(CDialog& dlg, int nID) { return ::GetFocus() == ::GetDlgItem(dlg.m_hWnd, nID); }
// Whether the running dialog has not been ended yet.
struct DialogState : CDialog {
    static bool IsOpen(CDialog& dlg) { return dlg.IsModal() && !(dlg.*(&DialogState::m_bModalEnded)); }
};
inline bool IsOpen(CDialog& dlg) { return DialogState::IsOpen(dlg); }
inline bool IsItemEnabled(CDialog& dlg, int nID) {
    return ::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, nID)) != 0;
}
