#include "framework/win/RecentFileList.h"

#include "framework/win/App.h"
#include "framework/win/Menu.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize)
    : m_nStart(nStart),
      m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat),
      m_nSize(nSize),
      m_arrNames(static_cast<size_t>(nSize)) {}

int CRecentFileList::GetCount() const {
    int n = 0;
    while (n < m_nSize && !m_arrNames[static_cast<size_t>(n)].IsEmpty()) ++n;
    return n;
}

void CRecentFileList::Add(LPCSTR lpszPathName) {
    CString path = lpszPathName;
    // Already listed: it moves to the top.
    int nFound = m_nSize - 1;
    for (int i = 0; i < m_nSize; ++i) {
        if (m_arrNames[static_cast<size_t>(i)].CompareNoCase(path) == 0) {
            nFound = i;
            break;
        }
    }
    for (int i = nFound; i > 0; --i)
        m_arrNames[static_cast<size_t>(i)] = m_arrNames[static_cast<size_t>(i - 1)];
    if (m_nSize > 0) m_arrNames[0] = path;
}

void CRecentFileList::Remove(int nIndex) {
    if (nIndex < 0 || nIndex >= m_nSize) return;
    for (int i = nIndex; i + 1 < m_nSize; ++i)
        m_arrNames[static_cast<size_t>(i)] = m_arrNames[static_cast<size_t>(i + 1)];
    m_arrNames[static_cast<size_t>(m_nSize - 1)].Empty();
}

void CRecentFileList::ReadList() {
    CWinApp* pApp = AfxGetApp();
    if (!pApp) return;
    for (int i = 0; i < m_nSize; ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        m_arrNames[static_cast<size_t>(i)] = pApp->GetProfileString(m_strSectionName, entry, "");
    }
}

void CRecentFileList::WriteList() {
    CWinApp* pApp = AfxGetApp();
    if (!pApp) return;
    // An empty list with no section yet leaves the file as it is.
    CString keys = pApp->GetProfileString(m_strSectionName, nullptr, "");
    if (GetCount() == 0 && keys.IsEmpty()) return;
    pApp->WriteProfileString(m_strSectionName, nullptr, nullptr);
    for (int i = 0; i < m_nSize; ++i) {
        if (m_arrNames[static_cast<size_t>(i)].IsEmpty()) continue;
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        pApp->WriteProfileString(m_strSectionName, entry, m_arrNames[static_cast<size_t>(i)]);
    }
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI) {
    int nCount = GetCount();
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (!pMenu) {
        pCmdUI->Enable(nCount > 0);
        return;
    }
    if (m_strOriginal.IsEmpty()) pMenu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);
    if (nCount == 0) {
        // No files: the item keeps its own text, disabled.
        if (!m_strOriginal.IsEmpty()) pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        return;
    }
    for (int i = 0; i < m_nSize; ++i) pMenu->DeleteMenu(m_nStart + static_cast<UINT>(i), MF_BYCOMMAND);
    UINT iPos = pCmdUI->m_nIndex;
    for (int i = 0; i < nCount; ++i) {
        CString text;
        text.Format("&%d ", i + 1);
        CString name = m_arrNames[static_cast<size_t>(i)];
        name.Replace("&", "&&");
        text += name;
        pMenu->InsertMenu(iPos++, MF_BYPOSITION | MF_STRING, m_nStart + static_cast<UINT>(i), text);
    }
    // The caller's walk goes on after the inserted items.
    pCmdUI->m_nIndex = iPos - 1;
    pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}
