// CPrintingDialog: the box the print loop shows while a document prints:
// the document's title, the printer, the page being printed, and Cancel.
//
// It is modeless and disables its owner while it is up, so the one thing a
// user can do during a print is cancel it; Cancel (or Escape) only marks the
// print cancelled, and the loop ends it after the page in hand. AbortProc,
// given to the printer context with SetAbortProc, and PumpMessages pass the
// thread's messages on while pages spool, so the program's windows keep
// painting and the box takes its clicks. Once the last page is out, the box
// says the document is being finished and takes no Cancel.
#pragma once

#include "framework/win/Dialog.h"
#include "framework/win/DialogTemplate.h"

class CPrintingDialog : public CDialog {
public:
    enum { IDC_PRINTING_DOCUMENT = 100, IDC_PRINTING_PRINTER = 101, IDC_PRINTING_PAGE = 102 };

    // Shows the box centred on pOwner and disables pOwner until the box goes.
    CPrintingDialog(CWnd* pOwner, const CString& strDocument, const CString& strPrinter);
    ~CPrintingDialog() override;

    void SetPage(UINT nPage);
    // The pages are all out and the document is being finished, which may
    // take a while and cannot be cancelled: the box says so, its Cancel and
    // Close are disabled, and it is drawn at once, as it takes no messages
    // until the end.
    void SetFinishing();
    BOOL IsCancelled() const { return m_bCancelled; }
    void PumpMessages();

    static BOOL CALLBACK AbortProc(HDC hDC, int nCode);

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;

private:
    CDialogTemplate m_template;
    CString m_strDocument, m_strPrinter;
    HWND m_hOwner = nullptr;
    BOOL m_bOwnerWasEnabled = FALSE;
    BOOL m_bCancelled = FALSE;
    BOOL m_bFinishing = FALSE;
};
