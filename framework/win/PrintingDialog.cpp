#include "framework/win/PrintingDialog.h"

#include "framework/win/ResourceString.h"
#include "framework/win/WinMessages.h"

namespace {

// The box of the print under way, for the abort procedure.
CPrintingDialog* s_pActive = nullptr;

constexpr WORD kButton = 0x0080;
constexpr WORD kStatic = 0x0082;
constexpr short kWidth = 186;
constexpr short kTextWidth = kWidth - 16;
constexpr DWORD kLineStyle = SS_CENTER | SS_NOPREFIX | SS_ENDELLIPSIS;

}  // namespace

CPrintingDialog::CPrintingDialog(CWnd* pOwner, const CString& strDocument, const CString& strPrinter)
    : m_template(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK, WS_EX_DLGMODALFRAME, kWidth,
                 76, WinMsg::kPrintingTitle),
      m_strDocument(strDocument),
      m_strPrinter(strPrinter) {
    m_template.AddControl(kStatic, "", kLineStyle, 8, 8, kTextWidth, 9, IDC_PRINTING_DOCUMENT);
    m_template.AddControl(kStatic, "", kLineStyle, 8, 20, kTextWidth, 9, IDC_PRINTING_PRINTER);
    m_template.AddControl(kStatic, "", kLineStyle, 8, 32, kTextWidth, 9, IDC_PRINTING_PAGE);
    m_template.AddControl(kButton, WinMsg::kPrintingCancel, BS_DEFPUSHBUTTON | WS_TABSTOP, (kWidth - 50) / 2,
                          52, 50, 14, IDCANCEL);
    m_hOwner = AfxHwndOf(pOwner);
    if (!CreateIndirect(m_template.Get(), pOwner)) return;
    s_pActive = this;
    ShowWindow(SW_SHOW);
    UpdateWindow();
    m_bOwnerWasEnabled = m_hOwner && ::IsWindowEnabled(m_hOwner);
    if (m_bOwnerWasEnabled) ::EnableWindow(m_hOwner, FALSE);
}

CPrintingDialog::~CPrintingDialog() {
    // The owner is enabled again before the box goes, so that it, not some
    // other program, becomes the active window.
    if (m_bOwnerWasEnabled) ::EnableWindow(m_hOwner, TRUE);
    if (m_hWnd) DestroyWindow();
    if (s_pActive == this) s_pActive = nullptr;
}

BOOL CPrintingDialog::OnInitDialog() {
    SetDlgItemText(IDC_PRINTING_DOCUMENT, m_strDocument);
    CString printer;
    AfxFormatString1(printer, WinMsg::kPrintingOn, m_strPrinter);
    SetDlgItemText(IDC_PRINTING_PRINTER, printer);
    return TRUE;
}

void CPrintingDialog::SetPage(UINT nPage) {
    if (!m_hWnd) return;
    CString page;
    page.Format(WinMsg::kPrintingPage, nPage);
    SetDlgItemText(IDC_PRINTING_PAGE, page);
}

void CPrintingDialog::SetFinishing() {
    if (!m_hWnd) return;
    m_bFinishing = TRUE;
    SetDlgItemText(IDC_PRINTING_PAGE, WinMsg::kPrintingFinishing);
    if (HWND hButton = ::GetDlgItem(m_hWnd, IDCANCEL)) ::EnableWindow(hButton, FALSE);
    ::EnableMenuItem(::GetSystemMenu(m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    // The whole box, caption's Close and all (a disabled menu item alone does
    // not redraw it), is drawn anew. The messages are then taken once: the
    // window system may still hold a part of the box that was never shown
    // (Wine puts what was drawn on the screen only while the thread reads
    // its messages), and the thread reads none until the document is done.
    ::RedrawWindow(m_hWnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASENOW | RDW_ALLCHILDREN);
    PumpMessages();
}

void CPrintingDialog::OnCancel() {
    // Escape and the caption's Close still reach here once finishing.
    if (m_bFinishing) return;
    m_bCancelled = TRUE;
    if (HWND hButton = ::GetDlgItem(m_hWnd, IDCANCEL)) ::EnableWindow(hButton, FALSE);
}

void CPrintingDialog::PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));  // for the main loop, after the print
            return;
        }
        if (m_hWnd && ::IsDialogMessageA(m_hWnd, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

BOOL CALLBACK CPrintingDialog::AbortProc(HDC, int) {
    if (!s_pActive) return TRUE;
    s_pActive->PumpMessages();
    return !s_pActive->IsCancelled();
}
