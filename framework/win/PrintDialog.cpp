#include "framework/win/PrintDialog.h"

#include <winspool.h>

#include <deque>
#include <vector>

#include "framework/win/App.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CDialog)

namespace {

std::deque<CPrintDialog::TestHook>& TestHooks() {
    static std::deque<CPrintDialog::TestHook> hooks;
    return hooks;
}

BOOL& NoPrinterForTest() {
    static BOOL bNoPrinter = FALSE;
    return bNoPrinter;
}

// A DEVNAMES block in global memory: driver, device and port, each ending in
// a zero, after the header that holds their offsets.
HGLOBAL MakeDevNames(const CString& driver, const CString& device, const CString& port) {
    const size_t nHeader = sizeof(DEVNAMES);
    const size_t nSize = nHeader + driver.GetLength() + device.GetLength() + port.GetLength() + 3;
    HGLOBAL hNames = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize);
    if (!hNames) return nullptr;
    auto* pNames = static_cast<DEVNAMES*>(::GlobalLock(hNames));
    char* pBase = reinterpret_cast<char*>(pNames);
    size_t offset = nHeader;
    auto put = [&](const CString& s) {
        memcpy(pBase + offset, s.GetString(), s.GetLength() + 1);
        WORD at = static_cast<WORD>(offset);
        offset += s.GetLength() + 1;
        return at;
    };
    pNames->wDriverOffset = put(driver);
    pNames->wDeviceOffset = put(device);
    pNames->wOutputOffset = put(port);
    ::GlobalUnlock(hNames);
    return hNames;
}

CString DevNamesString(HGLOBAL hNames, WORD DEVNAMES::*offset) {
    if (!hNames) return CString();
    auto* pNames = static_cast<DEVNAMES*>(::GlobalLock(hNames));
    if (!pNames) return CString();
    CString s = reinterpret_cast<const char*>(pNames) + (pNames->*offset);
    ::GlobalUnlock(hNames);
    return s;
}

// The printer's own settings, merged with pStart where given, in global memory.
HGLOBAL MakeDevMode(LPCSTR lpszDevice, const DEVMODEA* pStart) {
    HANDLE hPrinter = nullptr;
    if (!::OpenPrinterA(const_cast<LPSTR>(lpszDevice), &hPrinter, nullptr)) return nullptr;
    HGLOBAL hMode = nullptr;
    LONG nSize = ::DocumentPropertiesA(nullptr, hPrinter, const_cast<LPSTR>(lpszDevice), nullptr, nullptr, 0);
    if (nSize > 0) {
        std::vector<char> in;
        DEVMODEA* pIn = nullptr;
        if (pStart) {
            in.assign(reinterpret_cast<const char*>(pStart),
                      reinterpret_cast<const char*>(pStart) + pStart->dmSize + pStart->dmDriverExtra);
            pIn = reinterpret_cast<DEVMODEA*>(in.data());
        }
        hMode = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize);
        if (hMode) {
            auto* pOut = static_cast<DEVMODEA*>(::GlobalLock(hMode));
            LONG r = ::DocumentPropertiesA(nullptr, hPrinter, const_cast<LPSTR>(lpszDevice), pOut, pIn,
                                           DM_OUT_BUFFER | (pIn ? DM_IN_BUFFER : 0));
            ::GlobalUnlock(hMode);
            if (r != IDOK) {
                ::GlobalFree(hMode);
                hMode = nullptr;
            }
        }
    }
    ::ClosePrinter(hPrinter);
    return hMode;
}

CString PortOf(LPCSTR lpszDevice) {
    HANDLE hPrinter = nullptr;
    if (!::OpenPrinterA(const_cast<LPSTR>(lpszDevice), &hPrinter, nullptr)) return CString();
    DWORD nNeeded = 0;
    ::GetPrinterA(hPrinter, 2, nullptr, 0, &nNeeded);
    CString port;
    if (nNeeded) {
        std::vector<BYTE> buf(nNeeded);
        if (::GetPrinterA(hPrinter, 2, buf.data(), nNeeded, &nNeeded))
            port = reinterpret_cast<PRINTER_INFO_2A*>(buf.data())->pPortName;
    }
    ::ClosePrinter(hPrinter);
    return port;
}

// Makes sure the application holds a printer: the system's default one when
// none was chosen yet. FALSE when there is no printer at all.
BOOL EnsureAppPrinter() {
    if (NoPrinterForTest()) return FALSE;
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_hDevNames) return TRUE;
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    pd.Flags = PD_RETURNDEFAULT | PD_NOWARNING;
    if (!::PrintDlgA(&pd)) return FALSE;
    if (!pApp) {
        if (pd.hDevMode) ::GlobalFree(pd.hDevMode);
        if (pd.hDevNames) ::GlobalFree(pd.hDevNames);
        return TRUE;
    }
    if (pApp->m_hDevMode) ::GlobalFree(pApp->m_hDevMode);
    pApp->m_hDevMode = pd.hDevMode;
    pApp->m_hDevNames = pd.hDevNames;
    return TRUE;
}

// Print and Print Setup open centred on their owner, as the file dialogs
// and the program's own dialogs do, not at the owner's top-left corner.
UINT_PTR CALLBACK CentringHook(HWND hDlg, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) AfxCenterWindow(hDlg);
    return 0;
}

}  // namespace

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CDialog(0u, pParentWnd), m_bPrintSetupOnly(bPrintSetupOnly) {
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : 0);
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog() {
    if (m_pLockedDevMode) ::GlobalUnlock(m_pd.hDevMode);
    // The DEVMODE and DEVNAMES belong to the application; only the context is ours.
    if (m_pd.hDC) ::DeleteDC(m_pd.hDC);
}

void CPrintDialog::SetTestHook(TestHook hook) { TestHooks().push_back(std::move(hook)); }
void CPrintDialog::ClearTestHooks() { TestHooks().clear(); }
int CPrintDialog::PendingTestHooks() { return static_cast<int>(TestHooks().size()); }
void CPrintDialog::SetNoPrinterForTest(BOOL bNoPrinter) { NoPrinterForTest() = bNoPrinter; }

BOOL CPrintDialog::GetDefaults() {
    if (!EnsureAppPrinter()) return FALSE;
    CWinApp* pApp = AfxGetApp();
    if (pApp) {
        m_pd.hDevMode = pApp->m_hDevMode;
        m_pd.hDevNames = pApp->m_hDevNames;
    }
    return CreatePrinterDC() != nullptr;
}

INT_PTR CPrintDialog::DoModal() {
    m_nLastError = 0;
    if (!EnsureAppPrinter()) {
        m_nLastError = PDERR_NODEFAULTPRN;
        return IDCANCEL;
    }
    CWinApp* pApp = AfxGetApp();
    if (m_pLockedDevMode) {
        ::GlobalUnlock(m_pd.hDevMode);
        m_pLockedDevMode = nullptr;
    }
    m_pd.hDevMode = pApp ? pApp->m_hDevMode : nullptr;
    m_pd.hDevNames = pApp ? pApp->m_hDevNames : nullptr;
    if (m_pd.hDC) {
        ::DeleteDC(m_pd.hDC);
        m_pd.hDC = nullptr;
    }

    INT_PTR nResult;
    if (!TestHooks().empty()) {
        TestHook hook = std::move(TestHooks().front());
        TestHooks().pop_front();
        nResult = hook(*this);
        if (nResult == IDOK && (m_pd.Flags & PD_RETURNDC) && !CreatePrinterDC()) nResult = IDCANCEL;
    } else {
        HWND hOwner = AfxHwndOf(m_pParentWnd);
        if (!hOwner && AfxGetMainWnd()) hOwner = AfxGetMainWnd()->m_hWnd;
        m_pd.hwndOwner = hOwner;
        if (!(m_pd.Flags & (PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK))) {
            m_pd.Flags |= PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK;
            m_pd.lpfnPrintHook = CentringHook;
            m_pd.lpfnSetupHook = CentringHook;
        }
        nResult = ::PrintDlgA(&m_pd) ? IDOK : IDCANCEL;
        if (nResult == IDCANCEL) m_nLastError = ::CommDlgExtendedError();
    }
    // The dialog may have reallocated the handles it was given (the old
    // ones are gone then): the application keeps whatever it handed back.
    if (pApp) {
        pApp->m_hDevMode = m_pd.hDevMode;
        pApp->m_hDevNames = m_pd.hDevNames;
    }
    return nResult;
}

BOOL CPrintDialog::SetPrinterForTest(LPCSTR lpszDeviceName, const DEVMODEA* pDevMode) {
    CString port = PortOf(lpszDeviceName);
    HGLOBAL hMode = MakeDevMode(lpszDeviceName, pDevMode);
    if (!hMode) return FALSE;
    HGLOBAL hNames = MakeDevNames("winspool", lpszDeviceName, port);
    if (!hNames) {
        ::GlobalFree(hMode);
        return FALSE;
    }
    if (m_pLockedDevMode) {
        ::GlobalUnlock(m_pd.hDevMode);
        m_pLockedDevMode = nullptr;
    }
    // As the real dialog does, the handles it was given make way for new ones.
    if (m_pd.hDevMode) ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames) ::GlobalFree(m_pd.hDevNames);
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_hDevMode == m_pd.hDevMode) pApp->m_hDevMode = nullptr;
    if (pApp && pApp->m_hDevNames == m_pd.hDevNames) pApp->m_hDevNames = nullptr;
    m_pd.hDevMode = hMode;
    m_pd.hDevNames = hNames;
    return TRUE;
}

HDC CPrintDialog::CreatePrinterDC() {
    if (m_pd.hDC) {
        ::DeleteDC(m_pd.hDC);
        m_pd.hDC = nullptr;
    }
    if (!m_pd.hDevNames) return nullptr;
    CString driver = GetDriverName();
    CString device = GetDeviceName();
    CString port = GetPortName();
    auto* pMode = m_pd.hDevMode ? static_cast<DEVMODEA*>(::GlobalLock(m_pd.hDevMode)) : nullptr;
    m_pd.hDC = ::CreateDCA(driver, device, port.IsEmpty() ? nullptr : port.GetString(), pMode);
    if (pMode) ::GlobalUnlock(m_pd.hDevMode);
    return m_pd.hDC;
}

HDC CPrintDialog::DetachPrinterDC() {
    HDC hDC = m_pd.hDC;
    m_pd.hDC = nullptr;
    return hDC;
}

CString CPrintDialog::GetDriverName() const {
    return DevNamesString(m_pd.hDevNames, &DEVNAMES::wDriverOffset);
}
CString CPrintDialog::GetDeviceName() const {
    return DevNamesString(m_pd.hDevNames, &DEVNAMES::wDeviceOffset);
}
CString CPrintDialog::GetPortName() const { return DevNamesString(m_pd.hDevNames, &DEVNAMES::wOutputOffset); }

LPDEVMODEA CPrintDialog::GetDevMode() const {
    if (!m_pd.hDevMode) return nullptr;
    if (!m_pLockedDevMode) m_pLockedDevMode = static_cast<LPDEVMODEA>(::GlobalLock(m_pd.hDevMode));
    return m_pLockedDevMode;
}

int CPrintDialog::GetCopies() const {
    if (m_pd.Flags & PD_USEDEVMODECOPIES) {
        LPDEVMODEA pMode = GetDevMode();
        return pMode ? pMode->dmCopies : 1;
    }
    return m_pd.nCopies;
}
