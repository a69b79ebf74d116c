// The handle map, the layer's one window procedure and the message
// dispatch of CWnd.
#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <unordered_map>

#include "framework/core/Exceptions.h"
#include "framework/core/MessageBox.h"
#include "framework/win/App.h"
#include "framework/win/Gdi.h"
#include "framework/win/Menu.h"
#include "framework/win/MessageMap.h"
#include "framework/win/WaitCursor.h"

static_assert(sizeof(WPARAM) == sizeof(std::uintptr_t) && sizeof(LPARAM) == sizeof(std::intptr_t),
              "message parameters must fit CorvMsgCall");
static_assert(CORV_WM_COMMAND == WM_COMMAND && CORV_WM_NOTIFY == WM_NOTIFY, "window-free message numbers");

namespace {

std::unordered_map<HWND, CWnd*>& PermanentMap() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

std::unordered_map<HWND, std::unique_ptr<CWnd>>& TemporaryMap() {
    static std::unordered_map<HWND, std::unique_ptr<CWnd>> map;
    return map;
}

// The message being handled (for Default()); saved and restored around
// every dispatch, since handlers send messages of their own.
MSG g_currentMsg{};

// Window creation: the object that the next window made on this thread
// belongs to, and the CBT hook that catches that window's birth.
CWnd* g_pWndInit = nullptr;
HHOOK g_hHookCbt = nullptr;
int g_nHookDepth = 0;

bool IsImeWindow(HWND hWnd) {
    char cls[32] = "";
    ::GetClassNameA(hWnd, cls, sizeof cls);
    return lstrcmpiA(cls, "IME") == 0 || lstrcmpiA(cls, "MSCTFIME UI") == 0;
}

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && g_pWndInit) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        // The system may make its input-method window first; it is not ours.
        if (!IsImeWindow(hWnd)) {
            CWnd* pWnd = g_pWndInit;
            g_pWndInit = nullptr;
            pWnd->SubclassWindow(hWnd);
        }
    }
    return ::CallNextHookEx(g_hHookCbt, code, wParam, lParam);
}

void ReportUncaught(const char* text) { AfxMessageBox(text, MB_ICONSTOP); }

}  // namespace

void AfxHookWindowCreate(CWnd* pWnd) {
    if (g_nHookDepth++ == 0)
        g_hHookCbt = ::SetWindowsHookExA(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
    g_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate() {
    BOOL bAttached = g_pWndInit == nullptr;
    g_pWndInit = nullptr;
    if (--g_nHookDepth == 0 && g_hHookCbt) {
        ::UnhookWindowsHookEx(g_hHookCbt);
        g_hHookCbt = nullptr;
    }
    return bAttached;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd) return ::DefWindowProcA(hWnd, message, wParam, lParam);

    const MSG saved = g_currentMsg;
    g_currentMsg.hwnd = hWnd;
    g_currentMsg.message = message;
    g_currentMsg.wParam = wParam;
    g_currentMsg.lParam = lParam;
    LRESULT lResult = 0;
    // An exception must not cross the system's code between here and the
    // message loop: it is reported where it surfaces.
    try {
        if (message == WM_NCDESTROY)
            pWnd->OnNcDestroy();
        else
            lResult = pWnd->WindowProc(message, wParam, lParam);
    } catch (const CException& e) {
        ReportUncaught(e.GetErrorMessage());
    } catch (const std::exception& e) {
        ReportUncaught(e.what());
    }
    g_currentMsg = saved;
    return lResult;
}

BOOL AfxPreTranslateUpTo(HWND hWndStop, MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg)) return TRUE;
        if (hWnd == hWndStop) return FALSE;
    }
    // The message's window is not below hWndStop (an owned popup, say):
    // hWndStop still gets its chance.
    CWnd* pStop = CWnd::FromHandlePermanent(hWndStop);
    return pStop && pStop->PreTranslateMessage(pMsg);
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    // One name per combination, so that equal requests share a class.
    static std::unordered_map<std::string, std::unique_ptr<std::string>> names;
    char buf[128];
    wsprintfA(buf, "Corv:%x:%p:%p:%p", nClassStyle, static_cast<void*>(hCursor),
              static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    auto& slot = names[buf];
    if (!slot) {
        WNDCLASSA wc{};
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcA;  // the layer subclasses each window at its birth
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.hIcon = hIcon;
        wc.lpszClassName = buf;
        WNDCLASSA existing{};
        if (!::GetClassInfoA(wc.hInstance, buf, &existing) && !::RegisterClassA(&wc)) return nullptr;
        slot = std::make_unique<std::string>(buf);
    }
    return slot->c_str();
}

// --- Handle map -------------------------------------------------------------

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    if (!hWnd) return nullptr;
    auto it = PermanentMap().find(hWnd);
    return it == PermanentMap().end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd)) return pWnd;
    auto& slot = TemporaryMap()[hWnd];
    if (!slot) {
        slot = std::make_unique<CWnd>();
        slot->m_hWnd = hWnd;
    }
    return slot.get();
}

void CWnd::DeleteTempMap() {
    for (auto& entry : TemporaryMap()) entry.second->m_hWnd = nullptr;
    TemporaryMap().clear();
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (!hWndNew || m_hWnd) return FALSE;
    m_hWnd = hWndNew;
    PermanentMap()[hWndNew] = this;
    // A temporary object of the same window would now be stale.
    auto it = TemporaryMap().find(hWndNew);
    if (it != TemporaryMap().end()) {
        it->second->m_hWnd = nullptr;
        TemporaryMap().erase(it);
    }
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd) {
        auto it = PermanentMap().find(hWnd);
        if (it != PermanentMap().end() && it->second == this) PermanentMap().erase(it);
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd)) return FALSE;
    auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (previous != &AfxWndProc) m_pfnSuper = previous;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    HWND hWndControl = ::GetDlgItem(AfxHwndOf(pParent), static_cast<int>(nID));
    return hWndControl && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
    if (m_pfnSuper) ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::OnNcDestroy() {
    Default();
    UnsubclassWindow();
    if (!m_bCreating) PostNcDestroy();
}

// --- Dispatch -----------------------------------------------------------------

const MSG* CWnd::GetCurrentMessage() { return &g_currentMsg; }

LRESULT CWnd::Default() {
    return DefWindowProc(g_currentMsg.message, g_currentMsg.wParam, g_currentMsg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult)) lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        LRESULT lResult = 0;
        if (!OnNotify(wParam, lParam, &lResult)) return FALSE;
        *pResult = lResult;
        return TRUE;
    }
    if (message == WM_SETCURSOR && CWaitCursor::IsWaiting()) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        *pResult = TRUE;
        return TRUE;
    }

    CorvMsgCall call;
    call.message = message;
    call.wParam = wParam;
    call.lParam = lParam;
    UINT key = message;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        key = CORV_WM_CTLCOLOR;
        call.nID = message - WM_CTLCOLORMSGBOX;
    }
    if (!DispatchMsg(key, 0, 0, call)) return FALSE;
    *pResult = call.lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (!hWndCtrl) {
        // Menu item or accelerator: a command that its update handler
        // disabled since the menu was shown (or that an accelerator
        // reaches while disabled) does not run.
        if (nID == 0) return FALSE;
        CCmdUI state;
        state.m_nID = nID;
        if (OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr) && !state.m_bEnabled) return TRUE;
        nCode = CN_COMMAND;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (!pNMHDR) return FALSE;
    CorvMsgCall call;
    call.message = WM_NOTIFY;
    call.lParam = lParam;
    call.nID = static_cast<UINT>(pNMHDR->idFrom);
    call.nCode = static_cast<int>(pNMHDR->code);
    if (!DispatchMsg(CORV_WM_NOTIFY, static_cast<int>(pNMHDR->code), static_cast<UINT>(pNMHDR->idFrom), call))
        return FALSE;
    *pResult = call.lResult;
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }
