#include "framework/win/FontDialog.h"

#include <deque>

#include "framework/win/App.h"

IMPLEMENT_DYNAMIC(CFontDialog, CDialog)

namespace {

std::deque<CFontDialog::TestHook>& TestHooks() {
    static std::deque<CFontDialog::TestHook> hooks;
    return hooks;
}

}  // namespace

CFontDialog::CFontDialog(const LOGFONTA* lplfInitial, DWORD dwFlags, CWnd* pParentWnd)
    : CDialog(0u, pParentWnd) {
    m_cf.lStructSize = sizeof m_cf;
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags = dwFlags;
    if (lplfInitial) {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
}

INT_PTR CFontDialog::DoModal() {
    // The structure may have been copied with the object; it points at our own LOGFONT.
    m_cf.lpLogFont = &m_lf;
    if (!TestHooks().empty()) {
        TestHook hook = std::move(TestHooks().front());
        TestHooks().pop_front();
        return hook(*this);
    }
    HWND hOwner = AfxHwndOf(m_pParentWnd);
    if (!hOwner && AfxGetMainWnd()) hOwner = AfxGetMainWnd()->m_hWnd;
    m_cf.hwndOwner = hOwner;
    m_cf.hInstance = AfxGetInstanceHandle();
    return ::ChooseFontA(&m_cf) ? IDOK : IDCANCEL;
}

void CFontDialog::SetTestHook(TestHook hook) { TestHooks().push_back(std::move(hook)); }

void CFontDialog::ClearTestHooks() { TestHooks().clear(); }

int CFontDialog::PendingTestHooks() { return static_cast<int>(TestHooks().size()); }
