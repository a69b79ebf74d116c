#include "framework/core/StringArray.h"

#include "framework/core/Exceptions.h"

void CStringArray::SetSize(int nNewSize) {
    if (nNewSize < 0) AfxThrowInvalidArgException();
    m_items.resize(static_cast<size_t>(nNewSize));
}

const CString& CStringArray::GetAt(int i) const {
    if (i < 0 || i >= GetSize()) AfxThrowInvalidArgException();
    return m_items[static_cast<size_t>(i)];
}

CString& CStringArray::ElementAt(int i) {
    if (i < 0 || i >= GetSize()) AfxThrowInvalidArgException();
    return m_items[static_cast<size_t>(i)];
}

void CStringArray::SetAt(int i, const char* psz) { ElementAt(i) = psz; }

int CStringArray::Add(const char* psz) {
    m_items.emplace_back(psz);
    return GetSize() - 1;
}

int CStringArray::Add(const CString& s) {
    m_items.push_back(s);
    return GetSize() - 1;
}

void CStringArray::InsertAt(int i, const char* psz, int nCount) {
    if (i < 0 || nCount < 0) AfxThrowInvalidArgException();
    if (i > GetSize()) m_items.resize(static_cast<size_t>(i));
    m_items.insert(m_items.begin() + i, static_cast<size_t>(nCount), CString(psz));
}

void CStringArray::RemoveAt(int i, int nCount) {
    if (i < 0 || nCount < 0 || i + nCount > GetSize()) AfxThrowInvalidArgException();
    m_items.erase(m_items.begin() + i, m_items.begin() + i + nCount);
}

int CStringArray::Append(const CStringArray& src) {
    int first = GetSize();
    m_items.insert(m_items.end(), src.m_items.begin(), src.m_items.end());
    return first;
}
