// CRecentFileList: the most-recently-used file list of the File menu,
// kept in the profile under [Recent File List] File1 .. FileN.
#pragma once

#include <vector>

#include "framework/core/String.h"

class CCmdUI;

class CRecentFileList {
public:
    CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize);

    int GetSize() const { return m_nSize; }
    // The entries, newest first (empty texts are unused slots).
    const CString& operator[](int nIndex) const { return m_arrNames[nIndex]; }
    int GetCount() const;

    // Puts the path at the top (moving it there when already listed).
    void Add(LPCSTR lpszPathName);
    void Remove(int nIndex);

    void ReadList();   // from the profile
    void WriteList();  // to the profile: the section is rewritten with the entries in use

    // Replaces the menu item (command m_nStart) by one item per entry
    // ("&1 path", ...), or shows the item disabled with its own text when
    // the list is empty.
    void UpdateMenu(CCmdUI* pCmdUI);

    UINT m_nStart;
    CString m_strSectionName;
    CString m_strEntryFormat;
    CString m_strOriginal;  // the menu item's own text ("Recent File")

private:
    int m_nSize;
    std::vector<CString> m_arrNames;
};
