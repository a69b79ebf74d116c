// CFileDialog: the common Open and Save As dialogs (GetOpenFileNameA /
// GetSaveFileNameA). The filter is given as "Name|*.ext|...||".
//
// Test hook: SetTestHook queues a function that stands in for the user:
// the next DoModal takes the oldest one, which may read m_ofn (title,
// proposed file name, filter), calls SetPathNameForTest with the path the
// user would choose, and returns IDOK or IDCANCEL.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <functional>

#include "framework/win/Dialog.h"

class CFileDialog : public CDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);

    INT_PTR DoModal() override;

    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    BOOL IsOpenDialog() const { return m_bOpenFileDialog; }
    // The file name shown when the dialog opens (what m_ofn.lpstrFile holds).
    CString GetInitialFileName() const { return m_strInitialFile; }

    OPENFILENAMEA m_ofn{};

    // Where a dialog without a folder of its own starts: the folder of the
    // last file chosen in this run, else the user's documents folder.
    static CString GetStartFolder();
    static void ForgetLastFolder();

    // --- Test hook ---
    using TestHook = std::function<INT_PTR(CFileDialog& dlg)>;
    static void SetTestHook(TestHook hook);
    static void ClearTestHooks();
    static int PendingTestHooks();
    void SetPathNameForTest(LPCSTR lpszPathName);

protected:
    INT_PTR RunSystemDialog();

    BOOL m_bOpenFileDialog;
    CString m_strFilter;  // with '\0' separators
    CString m_strDefExt;
    CString m_strInitialFile;
    CString m_strInitialDir;
    char m_szFileName[MAX_PATH * 4] = "";
    char m_szFileTitle[MAX_PATH] = "";
};
