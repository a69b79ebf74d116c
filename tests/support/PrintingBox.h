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

// The user clicks Cancel once the box shows a page after the first: a
// thread timer looks for the box while the print loop pumps messages.
class CancelAfterPageOne {
public:
    CancelAfterPageOne() {
        Clicked() = false;
        m_timer = ::SetTimer(nullptr, 0, 1, &Tick);
    }
    ~CancelAfterPageOne() { ::KillTimer(nullptr, m_timer); }
    CancelAfterPageOne(const CancelAfterPageOne&) = delete;
    CancelAfterPageOne& operator=(const CancelAfterPageOne&) = delete;
    bool WasClicked() const { return Clicked(); }

private:
    static bool& Clicked() {
        static bool bClicked = false;
        return bClicked;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND hBox = FindPrintingBox();
        if (!hBox || Clicked()) return;
        const std::string page = PrintingBoxText(hBox, CPrintingDialog::IDC_PRINTING_PAGE);
        if (page.empty() || page == "Page 1") return;
        Clicked() = true;
        ClickCancel(hBox);
    }
    UINT_PTR m_timer;
};
