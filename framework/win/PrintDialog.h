// CPrintDialog: the common Print dialog (PrintDlgA) and the printer it
// chooses. The application object keeps the DEVMODE and DEVNAMES of the
// printer chosen last (CWinApp::m_hDevMode / m_hDevNames): the dialog opens
// on that printer and hands its choice back, so a later direct print or a
// preview goes to the same printer; before any choice the system's default
// printer is used.
//
// Test hook: SetTestHook queues a function that stands in for the user: the
// next DoModal takes the oldest one, which may set m_pd (page range,
// flags) and, with SetPrinterForTest, the printer and its settings, and
// returns IDOK or IDCANCEL. The printer context is then created as after the
// real dialog.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <functional>

#include "framework/win/Dialog.h"

class CPrintDialog : public CDialog {
    DECLARE_DYNAMIC(CPrintDialog)
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOPAGENUMS |
                                          PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    ~CPrintDialog() override;

    // Runs the dialog with the application's printer; IDOK (the application
    // now keeps the chosen printer, and m_pd.hDC holds its context) or
    // IDCANCEL (also when there is no printer: CommDlgExtendedError tells).
    INT_PTR DoModal() override;
    // The application's printer without asking: its context in m_pd.hDC.
    // FALSE when there is no printer at all.
    BOOL GetDefaults();

    // The printer context of the choice (owned by the dialog until taken).
    HDC GetPrinterDC() const { return m_pd.hDC; }
    HDC CreatePrinterDC();  // a new context for m_pd's printer (m_pd.hDC)
    HDC DetachPrinterDC();  // the caller deletes it

    CString GetDeviceName() const;
    CString GetDriverName() const;
    CString GetPortName() const;
    LPDEVMODEA GetDevMode() const;  // locked until the dialog ends; null before a choice
    int GetCopies() const;
    BOOL PrintAll() const { return (m_pd.Flags & (PD_PAGENUMS | PD_SELECTION)) == 0; }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    BOOL PrintToFile() const { return (m_pd.Flags & PD_PRINTTOFILE) != 0; }
    int GetFromPage() const { return m_pd.nFromPage; }
    int GetToPage() const { return m_pd.nToPage; }

    PRINTDLGA m_pd{};

    // --- Test hook ---
    using TestHook = std::function<INT_PTR(CPrintDialog& dlg)>;
    static void SetTestHook(TestHook hook);
    static void ClearTestHooks();
    static int PendingTestHooks();
    // The printer the user picks (its name as the system knows it), and
    // optionally settings to start from (orientation, ...). FALSE when the
    // system has no such printer.
    BOOL SetPrinterForTest(LPCSTR lpszDeviceName, const DEVMODEA* pDevMode = nullptr);

    // Simulates a machine without printers: while set, neither the dialog
    // nor GetDefaults finds one.
    static void SetNoPrinterForTest(BOOL bNoPrinter);

    // Why the last DoModal returned IDCANCEL: 0 when the user cancelled,
    // else the common dialog error (PDERR_NODEFAULTPRN: no printer at all).
    DWORD GetLastError() const { return m_nLastError; }

protected:
    BOOL m_bPrintSetupOnly;
    DWORD m_nLastError = 0;
    mutable LPDEVMODEA m_pLockedDevMode = nullptr;
};
