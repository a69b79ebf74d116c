// CDialog: a dialog made from a dialog template (a resource id, a resource
// name, or a template in memory), modal (DoModal) or modeless (Create).
//
// DoModal creates the real dialog window with CreateDialogIndirectParam,
// disables its owner and runs the layer's own modal loop (so
// PreTranslateMessage works in dialogs too) until EndDialog.
//
// A dialog whose template gives no position (0, 0) and that does not move
// itself in OnInitDialog opens centred on its owner.
//
// Test hook: SetTestHook queues a function; the next DoModal (of any
// dialog) takes the oldest queued hook and runs it once, inside the modal
// loop, after OnInitDialog and the messages it posted. The hook drives the
// live dialog (SetDlgItemText, SendMessage(WM_COMMAND, MAKEWPARAM(id,
// BN_CLICKED), ...), EndDialog). If the dialog is still open when the hook
// returns, DoModal ends it with IDCANCEL, so a test never hangs on it.
#pragma once

#include <functional>

#include "framework/win/Wnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // Modal from a template in memory (DoModal then uses it).
    BOOL InitModalIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // Returns the value passed to EndDialog (IDOK, IDCANCEL, ...), or -1
    // when the dialog could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // Overridables. OnInitDialog fills the controls (UpdateData(FALSE)) and
    // returns TRUE to let the system focus the first control. OnOK reads
    // them back (UpdateData(TRUE)) and ends with IDOK when that succeeded;
    // OnCancel ends with IDCANCEL. IDOK and IDCANCEL (Enter and Escape)
    // reach them through the message map.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    void NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }
    DWORD GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }
    void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
    BOOL IsModal() const { return m_bInModalLoop; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // --- Test hook ---
    using TestHook = std::function<void(CDialog& dlg)>;
    static void SetTestHook(TestHook hook);  // queued; each DoModal takes the oldest
    static void ClearTestHooks();
    static int PendingTestHooks();

    UINT m_nIDHelp = 0;

protected:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    LRESULT HandleRunTestHook(WPARAM wParam, LPARAM lParam);
    // The template: m_lpDialogTemplate if set, else the resource
    // m_lpszTemplateName / m_nIDTemplate.
    LPCDLGTEMPLATEA LoadTemplate() const;
    BOOL CreateFromTemplate(LPCDLGTEMPLATEA lpTemplate, HWND hWndParent);

    UINT m_nIDTemplate = 0;
    CString m_strTemplateName;
    LPCDLGTEMPLATEA m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
    int m_nModalResult = -1;
    BOOL m_bInModalLoop = FALSE;
    BOOL m_bModalEnded = FALSE;
    TestHook m_testHook;            // taken from the queue by DoModal
    BOOL m_bCentreOnOwner = FALSE;  // set from the template at creation

    DECLARE_MESSAGE_MAP()
};
