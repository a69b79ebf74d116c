// The application's profile: an INI file read and written through the
// system's private-profile functions.
#include <cstdio>
#include <vector>

#include "framework/win/App.h"
#include "framework/win/RecentFileList.h"

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault) {
    // The value whole: the buffer grows until the value fits.
    std::vector<char> buf(4096);
    for (;;) {
        DWORD n = ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault ? lpszDefault : "",
                                             buf.data(), static_cast<DWORD>(buf.size()), m_pszProfileName);
        if (n + 2 < buf.size()) return CString(buf.data(), static_cast<int>(n));
        buf.resize(buf.size() * 2);
    }
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue) {
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) {
    return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", nValue);
    return WriteProfileString(lpszSection, lpszEntry, buf);
}

void CWinApp::SetProfileName(LPCSTR lpszProfileName) {
    m_strProfileName = lpszProfileName;
    m_pszProfileName = m_strProfileName;
}

CString CWinApp::GetProfilePath() const {
    if (m_strProfileName.FindOneOf("\\/:") >= 0) return m_strProfileName;
    char dir[MAX_PATH] = {};
    const UINT n = ::GetWindowsDirectoryA(dir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return m_strProfileName;
    CString path(dir);
    if (path[path.GetLength() - 1] != '\\') path += '\\';
    return path + m_strProfileName;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (nMaxMRU == 0) return;
    m_pRecentFileList =
        new CRecentFileList(ID_FILE_MRU_FILE1, "Recent File List", "File%d", static_cast<int>(nMaxMRU));
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings() {
    if (m_pRecentFileList) m_pRecentFileList->WriteList();
}
