#include "framework/win/WaitCursor.h"

#include <windows.h>

namespace {
int g_nWaitCount = 0;
HCURSOR g_hCursorRestore = nullptr;
}  // namespace

CWaitCursor::CWaitCursor() {
    HCURSOR hPrevious = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    if (g_nWaitCount++ == 0) g_hCursorRestore = hPrevious;
}

CWaitCursor::~CWaitCursor() {
    if (--g_nWaitCount == 0) {
        // Back to what the window under the mouse wants.
        ::SetCursor(g_hCursorRestore ? g_hCursorRestore : ::LoadCursorA(nullptr, IDC_ARROW));
        POINT pt;
        if (::GetCursorPos(&pt)) ::SetCursorPos(pt.x, pt.y);
    }
}

void CWaitCursor::Restore() { ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT)); }

bool CWaitCursor::IsWaiting() { return g_nWaitCount > 0; }
