#include "project/Words.h"

#include <cstdio>

namespace {

struct Style {
    const char* pszName;
    int nLeft;
    int nRight;
};

const Style kStyles[CWords::kStyleCount] = {
    {"CUSTOM", -1, -1}, {"LARGE", 0, 0}, {"MEDIUM", 10, 10}, {"SMALL", 20, 20}};

const Style* FindStyle(const CString& strName) {
    for (int i = 1; i < CWords::kStyleCount; ++i) {
        if (strName == kStyles[i].pszName) return &kStyles[i];
    }
    return nullptr;
}

}  // namespace

CWords::CWords(const CStringArray* pSelections) {
    if (!pSelections) return;
    m_nCount = pSelections->GetSize() < kMaxSelections ? pSelections->GetSize() : kMaxSelections;
    for (int i = 0; i < m_nCount; ++i) m_strTexts[i] = pSelections->GetAt(i) + "\r\n";
}

CString CWords::GetStyleNameAt(int nIndex) const {
    return kStyles[nIndex >= 0 && nIndex < kStyleCount ? nIndex : 0].pszName;
}

CString CWords::GetLabel(int nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount) nIndex = 0;
    char sz[12];  // any int with its sign
    std::snprintf(sz, sizeof(sz), "%2d", nIndex + 1);
    return sz;
}

CString CWords::GetText(int nIndex) const {
    return m_strTexts[nIndex >= 0 && nIndex < m_nCount ? nIndex : 0];
}

CString CWords::GetCustomName() const { return kStyles[0].pszName; }

CString CWords::GetStyleName(int nLeft, int nRight) const {
    for (int i = 1; i < kStyleCount; ++i) {
        if (kStyles[i].nLeft == nLeft && kStyles[i].nRight == nRight) return kStyles[i].pszName;
    }
    return GetCustomName();
}

int CWords::GetStyleLeft(const CString& strName) const {
    const Style* pStyle = FindStyle(strName);
    return pStyle ? pStyle->nLeft : 0;
}

int CWords::GetStyleRight(const CString& strName) const {
    const Style* pStyle = FindStyle(strName);
    return pStyle ? pStyle->nRight : 0;
}
