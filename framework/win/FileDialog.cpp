#include "framework/win/FileDialog.h"

#include <algorithm>
#include <deque>

#include "framework/win/App.h"

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

namespace {

std::deque<CFileDialog::TestHook>& TestHooks() {
    static std::deque<CFileDialog::TestHook> hooks;
    return hooks;
}

}  // namespace

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
    if (!TestHooks().empty()) {
        TestHook hook = std::move(TestHooks().front());
        TestHooks().pop_front();
        return hook(*this);
    }
    HWND hOwner = AfxHwndOf(m_pParentWnd);
    if (!hOwner && AfxGetMainWnd()) hOwner = AfxGetMainWnd()->m_hWnd;
    m_ofn.hwndOwner = hOwner;
    m_ofn.hInstance = AfxGetInstanceHandle();
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
    int nSlash = path.FindOneOf("\\/") >= 0 ? std::max(path.ReverseFind('\\'), path.ReverseFind('/')) : -1;
    return path.Mid(nSlash + 1);
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
