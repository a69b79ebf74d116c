#include "framework/win/FileDialog.h"

#include <algorithm>
#include <deque>

#include <shlobj.h>

#include "framework/win/App.h"

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

namespace {

std::deque<CFileDialog::TestHook>& TestHooks() {
    static std::deque<CFileDialog::TestHook> hooks;
    return hooks;
}

// The folder of the last file chosen in this run.
CString& LastFolder() {
    static CString folder;
    return folder;
}

// The explorer-style dialog calls this with its own child page: once the
// dialog is ready, the dialog itself is centred on its owner, as every other
// dialog of the program is.
UINT_PTR CALLBACK CentringHook(HWND hPage, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_INITDONE)
        AfxCenterWindow(::GetParent(hPage));
    return 0;
}

int LastSlash(const CString& path) { return std::max(path.ReverseFind('\\'), path.ReverseFind('/')); }

}  // namespace

CString CFileDialog::GetStartFolder() {
    if (!LastFolder().IsEmpty()) return LastFolder();
    char folder[MAX_PATH] = "";
    if (SUCCEEDED(::SHGetFolderPathA(nullptr, CSIDL_PERSONAL | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                                     folder)))
        return folder;
    return CString();
}

void CFileDialog::ForgetLastFolder() { LastFolder().Empty(); }

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd)
    : CDialog(0u, pParentWnd),
      m_bOpenFileDialog(bOpenFileDialog),
      m_strDefExt(lpszDefExt),
      m_strInitialFile(lpszFileName) {
    // "Name|*.ext|...||" becomes the system's "Name\0*.ext\0...\0\0".
    m_strFilter = lpszFilter;
    m_strFilter.Replace('|', '\0');
    if (!m_strFilter.IsEmpty() && m_strFilter[m_strFilter.GetLength() - 1] != '\0') m_strFilter += '\0';
    lstrcpynA(m_szFileName, m_strInitialFile, sizeof m_szFileName);

    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle;
    m_ofn.lpstrDefExt = m_strDefExt.IsEmpty() ? nullptr : m_strDefExt.GetString();
    m_ofn.lpstrFilter = m_strFilter.IsEmpty() ? nullptr : m_strFilter.GetString();
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
}

INT_PTR CFileDialog::DoModal() {
    m_strInitialFile = m_szFileName;
    // A proposed name with a folder opens there; otherwise the dialog starts
    // in the user's documents (or where the user last chose a file), never
    // in whatever folder the program was started from.
    if (!m_ofn.lpstrInitialDir && LastSlash(m_strInitialFile) < 0) {
        m_strInitialDir = GetStartFolder();
        if (!m_strInitialDir.IsEmpty()) m_ofn.lpstrInitialDir = m_strInitialDir;
    }
    INT_PTR result;
    if (!TestHooks().empty()) {
        TestHook hook = std::move(TestHooks().front());
        TestHooks().pop_front();
        result = hook(*this);
    } else {
        result = RunSystemDialog();
    }
    if (result == IDOK) {
        const CString path = GetPathName();
        const int nSlash = LastSlash(path);
        if (nSlash > 0) LastFolder() = path.Left(nSlash);
    }
    return result;
}

INT_PTR CFileDialog::RunSystemDialog() {
    HWND hOwner = AfxHwndOf(m_pParentWnd);
    if (!hOwner && AfxGetMainWnd()) hOwner = AfxGetMainWnd()->m_hWnd;
    m_ofn.hwndOwner = hOwner;
    m_ofn.hInstance = AfxGetInstanceHandle();
    if (!(m_ofn.Flags & OFN_ENABLEHOOK)) {
        m_ofn.Flags |= OFN_ENABLEHOOK;
        m_ofn.lpfnHook = CentringHook;
    }
    BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return bResult ? IDOK : IDCANCEL;
}

void CFileDialog::SetPathNameForTest(LPCSTR lpszPathName) {
    lstrcpynA(m_szFileName, lpszPathName, sizeof m_szFileName);
    CString name = GetFileName();
    lstrcpynA(m_szFileTitle, name, sizeof m_szFileTitle);
}

CString CFileDialog::GetPathName() const { return m_szFileName; }

CString CFileDialog::GetFileName() const {
    CString path = m_szFileName;
    return path.Mid(LastSlash(path) + 1);
}

CString CFileDialog::GetFileExt() const {
    CString name = GetFileName();
    int nDot = name.ReverseFind('.');
    return nDot >= 0 ? name.Mid(nDot + 1) : CString();
}

CString CFileDialog::GetFileTitle() const {
    CString name = GetFileName();
    int nDot = name.ReverseFind('.');
    return nDot >= 0 ? name.Left(nDot) : name;
}

void CFileDialog::SetTestHook(TestHook hook) { TestHooks().push_back(std::move(hook)); }

void CFileDialog::ClearTestHooks() { TestHooks().clear(); }

int CFileDialog::PendingTestHooks() { return static_cast<int>(TestHooks().size()); }
