#include "framework/core/MessageBox.h"

#include <string>
#include <utility>

namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

std::string& Title() {
    static std::string title;
    return title;
}

}  // namespace

void AfxSetMessageBoxTitle(const char* lpszTitle) { Title() = lpszTitle ? lpszTitle : ""; }

const char* AfxGetMessageBoxTitle() { return Title().c_str(); }

MessageBoxHook AfxSetMessageBoxHook(MessageBoxHook hook) {
    MessageBoxHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

int AfxMessageBox(const char* lpszText, UINT nType, UINT) {
    if (Hook()) return Hook()(lpszText ? lpszText : "", nType);
    return CorvPlatformMessageBox(lpszText ? lpszText : "", nType);
}

#ifdef _WIN32

int CorvPlatformMessageBox(const char* lpszText, UINT nType) {
    // Owned by the active window so the box is modal to the program.
    HWND owner = GetActiveWindow();
    if (!Title().empty()) return MessageBoxA(owner, lpszText, Title().c_str(), nType | MB_TASKMODAL);
    char title[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, title, MAX_PATH);
    const char* base = title;
    for (const char* p = title; *p; ++p)
        if (*p == '\\' || *p == '/') base = p + 1;
    std::string caption(base);
    size_t dot = caption.rfind('.');
    if (dot != std::string::npos) caption.resize(dot);
    return MessageBoxA(owner, lpszText, caption.c_str(), nType | MB_TASKMODAL);
}

#else

// Without a screen a box answers as a user pressing its default button would.
int CorvPlatformMessageBox(const char*, UINT nType) {
    switch (nType & 0x0F) {
        case MB_YESNO:
        case MB_YESNOCANCEL:
            return IDYES;
        case MB_RETRYCANCEL:
            return IDRETRY;
        case MB_ABORTRETRYIGNORE:
            return IDABORT;
        default:
            return IDOK;
    }
}

#endif
