// A window that stays on the screen while a check looks at the display.
//
//   DesktopProbe.exe <file>
//
// Shows a window, then makes <file> (a Windows path) and ends once that
// file is gone, or after a minute when no one removes it.
#include <windows.h>

#include <cstdlib>

namespace {

const char* g_pszShownFile = "";
const UINT_PTR kPollTimer = 1;
const UINT_PTR kLifeTimer = 2;

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_TIMER:
            if (wParam == kLifeTimer || ::GetFileAttributesA(g_pszShownFile) == INVALID_FILE_ATTRIBUTES)
                ::DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    if (__argc < 2) return 2;
    g_pszShownFile = __argv[1];
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = hInstance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "DesktopProbe";
    if (!::RegisterClassA(&wc)) return 1;
    HWND hwnd = ::CreateWindowA("DesktopProbe", "Desktop probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
                                300, 200, nullptr, nullptr, hInstance, nullptr);
    if (hwnd == nullptr) return 1;
    ::UpdateWindow(hwnd);
    HANDLE hFile = ::CreateFileA(g_pszShownFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return 1;
    ::CloseHandle(hFile);
    ::SetTimer(hwnd, kPollTimer, 100, nullptr);
    ::SetTimer(hwnd, kLifeTimer, 60000, nullptr);
    MSG m;
    while (::GetMessageA(&m, nullptr, 0, 0) > 0) ::DispatchMessageA(&m);
    return 0;
}
