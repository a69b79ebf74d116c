// Every label of every dialog in the program's resources shows its whole
// text under the fonts this machine gives the dialogs: each dialog is made
// from its template, and each static text is measured with the dialog's
// font against the room its control has.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

struct Template {
    std::string name;  // "#123" for a numbered template
    LPCSTR resource;
};

BOOL CALLBACK AddTemplate(HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
    auto* list = reinterpret_cast<std::vector<Template>*>(param);
    if (IS_INTRESOURCE(name))
        list->push_back({"#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)), name});
    else
        list->push_back({name, nullptr});  // named: looked up by its name below
    return TRUE;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

std::string TextOf(HWND hWnd) {
    char text[1024] = "";
    ::GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

bool IsTextStatic(HWND hWnd) {
    char cls[32] = "";
    ::GetClassNameA(hWnd, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") != 0) return false;
    const LONG type = ::GetWindowLongA(hWnd, GWL_STYLE) & SS_TYPEMASK;
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP ||
           type == SS_SIMPLE;
}

// What a label lacks to show its text, or "" when it fits.
std::string Shortfall(HWND hLabel) {
    const std::string text = TextOf(hLabel);
    if (text.empty()) return "";
    const LONG style = ::GetWindowLongA(hLabel, GWL_STYLE);
    RECT client;
    ::GetClientRect(hLabel, &client);
    HDC hdc = ::GetDC(hLabel);
    HGDIOBJ old = ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(::SendMessageA(hLabel, WM_GETFONT, 0, 0)));
    UINT format = DT_CALCRECT | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0U);
    const LONG type = style & SS_TYPEMASK;
    const bool oneLine = type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE;
    RECT need{0, 0, client.right, 0};
    ::DrawTextA(hdc, text.c_str(), -1, &need, format | (oneLine ? DT_SINGLELINE : DT_WORDBREAK));
    ::SelectObject(hdc, old);
    ::ReleaseDC(hLabel, hdc);
    // In dialog units too, to size the template by.
    RECT unit{0, 0, 100, 100};
    ::MapDialogRect(::GetParent(hLabel), &unit);
    const auto du = [&](LONG px, LONG per100) {
        return std::to_string((px * 100 + per100 - 1) / per100);
    };
    std::string lack;
    if (need.right > client.right)
        lack += "width " + du(need.right, unit.right) + " > " + du(client.right, unit.right) + " ";
    if (need.bottom > client.bottom) {
        RECT oneLine{0, 0, 0, 0};
        HDC hdc2 = ::GetDC(hLabel);
        HGDIOBJ old2 =
            ::SelectObject(hdc2, reinterpret_cast<HGDIOBJ>(::SendMessageA(hLabel, WM_GETFONT, 0, 0)));
        ::DrawTextA(hdc2, text.c_str(), -1, &oneLine, DT_CALCRECT | DT_SINGLELINE);
        ::SelectObject(hdc2, old2);
        ::ReleaseDC(hLabel, hdc2);
        lack += "height " + du(need.bottom, unit.bottom) + " > " + du(client.bottom, unit.bottom) +
                " (one line takes width " + du(oneLine.right, unit.right) + ", has " +
                du(client.right, unit.right) + ")";
    }
    return lack;
}

bool IsTickBox(HWND hWnd) {
    char cls[32] = "";
    ::GetClassNameA(hWnd, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") != 0) return false;
    const LONG type = ::GetWindowLongA(hWnd, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
           type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
}

// A check box or option button: its box, a gap and its text on one line.
std::string TickBoxShortfall(HWND hBox) {
    const std::string text = TextOf(hBox);
    if (text.empty() || (::GetWindowLongA(hBox, GWL_STYLE) & BS_MULTILINE)) return "";
    RECT client;
    ::GetClientRect(hBox, &client);
    HDC hdc = ::GetDC(hBox);
    HGDIOBJ old = ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(::SendMessageA(hBox, WM_GETFONT, 0, 0)));
    RECT need{0, 0, 0, 0};
    ::DrawTextA(hdc, text.c_str(), -1, &need, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(hdc, old);
    ::ReleaseDC(hBox, hdc);
    const LONG width = need.right + ::GetSystemMetrics(SM_CXMENUCHECK) + 4;
    if (width <= client.right) return "";
    RECT unit{0, 0, 100, 100};
    ::MapDialogRect(::GetParent(hBox), &unit);
    return "width " + std::to_string((width * 100 + unit.right - 1) / unit.right) + " > " +
           std::to_string(client.right * 100 / unit.right);
}

}  // namespace

TEST(DialogLabels, EveryLabelAndTickBoxShowsItsWholeText) {
    HMODULE module = ::GetModuleHandleA(nullptr);
    std::vector<Template> templates;
    ::EnumResourceNamesA(module, reinterpret_cast<LPCSTR>(RT_DIALOG), AddTemplate,
                         reinterpret_cast<LONG_PTR>(&templates));
    ASSERT_GE(templates.size(), 10u);

    std::vector<std::string> clipped;
    for (const Template& t : templates) {
        LPCSTR name = t.resource ? t.resource : t.name.c_str();
        HWND hDlg = ::CreateDialogParamA(module, name, nullptr, PlainDialogProc, 0);
        if (!hDlg) {
            ADD_FAILURE() << "dialog " << t.name << " could not be made";
            continue;
        }
        for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
            if (IsTickBox(hChild)) {
                const std::string lack = TickBoxShortfall(hChild);
                if (!lack.empty())
                    clipped.push_back("dialog " + t.name + " box " + std::to_string(::GetDlgCtrlID(hChild)) +
                                      " \"" + TextOf(hChild) + "\": " + lack);
                continue;
            }
            if (!IsTextStatic(hChild)) continue;
            const std::string lack = Shortfall(hChild);
            if (!lack.empty())
                clipped.push_back("dialog " + t.name + " label " + std::to_string(::GetDlgCtrlID(hChild)) +
                                  " \"" + TextOf(hChild) + "\": " + lack);
        }
        ::DestroyWindow(hDlg);
    }
    EXPECT_TRUE(clipped.empty()) << [&] {
        std::string all;
        for (const std::string& c : clipped) all += c + "\n";
        return all;
    }();
}
