#include "framework/win/Dialog.h"

#include <cstring>
#include <deque>

#include "framework/win/App.h"
#include "framework/win/MessageMap.h"
#include "framework/win/PrivateMessages.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
    ON_MESSAGE(WM_CORV_RUNTESTHOOK, &CDialog::HandleRunTestHook)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {

std::deque<CDialog::TestHook>& TestHooks() {
    static std::deque<CDialog::TestHook> hooks;
    return hooks;
}

// The dialog procedure of every dialog of the layer. The dialog window is
// subclassed at its birth, so its messages reach the object through the
// window procedure first; what the object leaves goes to the system's
// dialog processing, which asks here and is told to do its default.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG && !CWnd::FromHandlePermanent(hWnd)) {
        // Missed at its birth: take it over now.
        auto* pDlg = reinterpret_cast<CDialog*>(lParam);
        if (pDlg && pDlg->SubclassWindow(hWnd)) return pDlg->WindowProc(message, wParam, lParam);
    }
    return FALSE;
}

// The window that owns a modal dialog: the top-level window of the parent.
HWND OwnerFor(CWnd* pParentWnd) {
    HWND hWnd = AfxHwndOf(pParentWnd);
    if (!hWnd) {
        // The main window's last active popup: a dialog opened from another
        // dialog stays above it.
        CWnd* pMain = AfxGetMainWnd();
        hWnd = pMain && ::IsWindow(pMain->m_hWnd) ? ::GetLastActivePopup(pMain->m_hWnd) : ::GetActiveWindow();
    }
    while (hWnd && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD)) hWnd = ::GetParent(hWnd);
    return hWnd;
}

// Whether a template gives its dialog a place of its own: a position other
// than 0,0 (relative to the owner), or a child dialog laid into a window.
bool TemplatePlacesDialog(LPCDLGTEMPLATEA lpTemplate) {
    if (!lpTemplate) return true;
    const auto* words = reinterpret_cast<const WORD*>(lpTemplate);
    DWORD style;
    short x, y;
    if (words[1] == 0xFFFF) {
        // Extended form: version, signature, help id, extended style, style,
        // item count, x, y.
        const auto* p = reinterpret_cast<const BYTE*>(lpTemplate);
        std::memcpy(&style, p + 12, sizeof style);
        std::memcpy(&x, p + 18, sizeof x);
        std::memcpy(&y, p + 20, sizeof y);
    } else {
        style = lpTemplate->style;
        x = lpTemplate->x;
        y = lpTemplate->y;
    }
    return (style & WS_CHILD) || x != 0 || y != 0;
}

}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_strTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

LPCDLGTEMPLATEA CDialog::LoadTemplate() const {
    if (m_lpDialogTemplate) return m_lpDialogTemplate;
    HINSTANCE hInst = AfxGetResourceHandle();
    LPCSTR name =
        m_strTemplateName.IsEmpty() ? MAKEINTRESOURCEA(m_nIDTemplate) : m_strTemplateName.GetString();
    HRSRC hRes = ::FindResourceA(hInst, name, reinterpret_cast<LPCSTR>(RT_DIALOG));
    if (!hRes) return nullptr;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRes);
    return hGlobal ? static_cast<LPCDLGTEMPLATEA>(::LockResource(hGlobal)) : nullptr;
}

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATEA lpTemplate, HWND hWndParent) {
    if (!lpTemplate || m_hWnd) return FALSE;
    m_bCreating = TRUE;
    m_bCentreOnOwner = !TemplatePlacesDialog(lpTemplate);
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(AfxGetResourceHandle(), lpTemplate, hWndParent, AfxDlgProc,
                                             reinterpret_cast<LPARAM>(this));
    AfxUnhookWindowCreate();
    m_bCreating = FALSE;
    if (!hWnd) {
        if (m_hWnd) Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDTemplate = nIDTemplate;
    m_nIDHelp = nIDTemplate;
    m_strTemplateName.Empty();
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(LoadTemplate(), AfxHwndOf(pParentWnd));
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
    m_strTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(LoadTemplate(), AfxHwndOf(pParentWnd));
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd) {
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(lpDialogTemplate, AfxHwndOf(pParentWnd));
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd) {
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return lpDialogTemplate != nullptr;
}

INT_PTR CDialog::DoModal() {
    LPCDLGTEMPLATEA lpTemplate = LoadTemplate();
    if (!lpTemplate) return -1;

    m_testHook = nullptr;
    if (!TestHooks().empty()) {
        m_testHook = std::move(TestHooks().front());
        TestHooks().pop_front();
    }

    HWND hWndOwner = OwnerFor(m_pParentWnd);
    BOOL bEnableOwner = FALSE;
    if (hWndOwner && ::IsWindowEnabled(hWndOwner)) {
        ::EnableWindow(hWndOwner, FALSE);
        bEnableOwner = TRUE;
    }

    m_nModalResult = -1;
    m_bModalEnded = FALSE;
    m_bInModalLoop = TRUE;
    if (CreateFromTemplate(lpTemplate, hWndOwner)) {
        if (!m_bModalEnded) {
            ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
            if (m_testHook) PostMessage(WM_CORV_RUNTESTHOOK);
        }
        // The loop: every message goes through PreTranslateMessage (from its
        // window up to the dialog, which does the dialog keys) first.
        MSG msg;
        while (!m_bModalEnded) {
            if (!::GetMessageA(&msg, nullptr, 0, 0)) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
                break;
            }
            if (!AfxPreTranslateUpTo(m_hWnd, &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
    }
    m_bInModalLoop = FALSE;
    m_testHook = nullptr;

    if (m_hWnd)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (bEnableOwner) ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hWndOwner);
    if (m_hWnd) DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    if (m_bInModalLoop) {
        m_bModalEnded = TRUE;
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the loop
    } else if (m_hWnd) {
        ::EndDialog(m_hWnd, nResult);
    }
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    CRect rcBefore;
    ::GetWindowRect(m_hWnd, &rcBefore);
    const LRESULT result = OnInitDialog();
    // A dialog its template does not place, and that did not place itself
    // while starting, opens centred on its owner rather than at the owner's
    // top-left corner.
    CRect rcAfter;
    if (m_bCentreOnOwner && ::IsWindow(m_hWnd) && !::IsWindowVisible(m_hWnd)) {
        ::GetWindowRect(m_hWnd, &rcAfter);
        if (rcAfter.left == rcBefore.left && rcAfter.top == rcBefore.top) CenterWindow();
    }
    return result;
}

LRESULT CDialog::HandleRunTestHook(WPARAM, LPARAM) {
    TestHook hook = std::move(m_testHook);
    m_testHook = nullptr;
    if (hook) hook(*this);
    // A hook that leaves the dialog open would hang the test: cancel it.
    if (m_bInModalLoop && !m_bModalEnded) EndDialog(IDCANCEL);
    return 0;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(AfxHwndOf(pWndCtrl)), 1);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    return m_hWnd && (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)) &&
           ::IsDialogMessageA(m_hWnd, pMsg);
}

void CDialog::SetTestHook(TestHook hook) { TestHooks().push_back(std::move(hook)); }

void CDialog::ClearTestHooks() { TestHooks().clear(); }

int CDialog::PendingTestHooks() { return static_cast<int>(TestHooks().size()); }
