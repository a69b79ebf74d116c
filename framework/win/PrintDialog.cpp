#include "framework/win/PrintDialog.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CDialog)

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CDialog(0u, pParentWnd), m_bPrintSetupOnly(bPrintSetupOnly) {
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = dwFlags;
}

CPrintDialog::~CPrintDialog() {}

INT_PTR CPrintDialog::DoModal() { return IDCANCEL; }
BOOL CPrintDialog::GetDefaults() { return FALSE; }
HDC CPrintDialog::CreatePrinterDC() { return nullptr; }
HDC CPrintDialog::DetachPrinterDC() { return nullptr; }
CString CPrintDialog::GetDeviceName() const { return CString(); }
CString CPrintDialog::GetDriverName() const { return CString(); }
CString CPrintDialog::GetPortName() const { return CString(); }
LPDEVMODEA CPrintDialog::GetDevMode() const { return nullptr; }
int CPrintDialog::GetCopies() const { return 1; }
void CPrintDialog::SetTestHook(TestHook) {}
void CPrintDialog::ClearTestHooks() {}
int CPrintDialog::PendingTestHooks() { return 0; }
BOOL CPrintDialog::SetPrinterForTest(LPCSTR, const DEVMODEA*) { return FALSE; }
void CPrintDialog::SetNoPrinterForTest(BOOL) {}
