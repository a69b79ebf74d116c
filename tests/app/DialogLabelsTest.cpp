// Every label of every dialog in the program's resources shows its whole
// text under the fonts this machine gives the dialogs: each dialog is made
// from its template, and each static text is measured with the dialog's
// font against the room its control has.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
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

// The style a template asks for. Extended templates (version 1, signature
// 0xFFFF) keep it after their help id, plain ones start with it.
DWORD TemplateStyle(HMODULE module, LPCSTR name) {
    HRSRC hRes = ::FindResourceA(module, name, reinterpret_cast<LPCSTR>(RT_DIALOG));
    HGLOBAL hGlobal = hRes ? ::LoadResource(module, hRes) : nullptr;
    const auto* pWords = hGlobal ? static_cast<const WORD*>(::LockResource(hGlobal)) : nullptr;
    if (!pWords || ::SizeofResource(module, hRes) < 16) return 0;
    const auto* pBytes = reinterpret_cast<const BYTE*>(pWords);
    DWORD style = 0;
    std::memcpy(&style, pBytes + (pWords[0] == 1 && pWords[1] == 0xFFFF ? 12 : 0), sizeof style);
    return style;
}

// A page of a property sheet is a child template: like the sheet does, it
// is made inside a parent window, which top-level dialogs do without.
HWND MakeDialog(HMODULE module, LPCSTR name, HWND hHost) {
    const bool child = (TemplateStyle(module, name) & WS_CHILD) != 0;
    return ::CreateDialogParamA(module, name, child ? hHost : nullptr, PlainDialogProc, 0);
}

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

// The text's extent with the control's font: wrapped at the given width,
// or on one line when width is 0.
RECT Extent(HWND hCtl, const std::string& text, LONG width, UINT extra) {
    HDC hdc = ::GetDC(hCtl);
    HGDIOBJ old = ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(::SendMessageA(hCtl, WM_GETFONT, 0, 0)));
    RECT need{0, 0, width, 0};
    ::DrawTextA(hdc, text.c_str(), -1, &need, DT_CALCRECT | extra | (width ? DT_WORDBREAK : DT_SINGLELINE));
    ::SelectObject(hdc, old);
    ::ReleaseDC(hCtl, hdc);
    return need;
}

// Pixels as dialog units of the control's dialog, to size the template by.
std::string Units(HWND hCtl, LONG px, bool vertical) {
    RECT unit{0, 0, 100, 100};
    ::MapDialogRect(::GetParent(hCtl), &unit);
    const LONG per100 = vertical ? unit.bottom : unit.right;
    return std::to_string((px * 100 + per100 - 1) / per100);
}

// What a label lacks to show its text, or "" when it fits.
std::string Shortfall(HWND hLabel) {
    const std::string text = TextOf(hLabel);
    if (text.empty()) return "";
    const LONG style = ::GetWindowLongA(hLabel, GWL_STYLE);
    const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0U;
    const LONG type = style & SS_TYPEMASK;
    RECT client;
    ::GetClientRect(hLabel, &client);
    const bool oneLine = type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE;
    const RECT need = Extent(hLabel, text, oneLine ? 0 : client.right, prefix);
    const RECT line = Extent(hLabel, text, 0, prefix);
    std::string lack;
    if (need.right > client.right)
        lack +=
            "width " + Units(hLabel, need.right, false) + " > " + Units(hLabel, client.right, false) + " ";
    if (need.bottom > client.bottom)
        lack += "wraps onto lines it has no room for (one line takes width " +
                Units(hLabel, line.right, false) + ", has " + Units(hLabel, client.right, false) + ")";
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
    const LONG width = Extent(hBox, text, 0, 0).right + ::GetSystemMetrics(SM_CXMENUCHECK) + 4;
    if (width <= client.right) return "";
    return "width " + Units(hBox, width, false) + " > " + Units(hBox, client.right, false);
}

}  // namespace

TEST(DialogLabels, EveryLabelAndTickBoxShowsItsWholeText) {
    HMODULE module = ::GetModuleHandleA(nullptr);
    std::vector<Template> templates;
    ::EnumResourceNamesA(module, reinterpret_cast<LPCSTR>(RT_DIALOG), AddTemplate,
                         reinterpret_cast<LONG_PTR>(&templates));
    ASSERT_GE(templates.size(), 10u);

    // The sheet the pages go into: a plain dialog window, never shown.
    HWND hHost = ::CreateWindowExA(WS_EX_CONTROLPARENT, "#32770", "", WS_POPUP, 0, 0, 800, 600, nullptr,
                                   nullptr, module, nullptr);
    ASSERT_NE(hHost, nullptr);

    std::vector<std::string> clipped;
    int pages = 0;
    for (const Template& t : templates) {
        LPCSTR name = t.resource ? t.resource : t.name.c_str();
        HWND hDlg = MakeDialog(module, name, hHost);
        if (!hDlg) {
            ADD_FAILURE() << "dialog " << t.name << " could not be made";
            continue;
        }
        if (::GetParent(hDlg) == hHost) ++pages;
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
    ::DestroyWindow(hHost);
    // The project information sheet and Preferences are measured too.
    EXPECT_GE(pages, 10);
    EXPECT_TRUE(clipped.empty()) << [&] {
        std::string all;
        for (const std::string& c : clipped) all += c + "\n";
        return all;
    }();
}
