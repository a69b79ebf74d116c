// CStringArray: an ordered list of texts. Indexes outside the list raise the
// invalid-argument exception.
#pragma once

#include <vector>

#include "framework/core/Object.h"
#include "framework/core/String.h"

class CStringArray : public CObject {
public:
    CStringArray() = default;
    CStringArray(const CStringArray&) = default;
    CStringArray& operator=(const CStringArray&) = default;

    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }
    void SetSize(int nNewSize);

    const CString& GetAt(int i) const;
    CString& ElementAt(int i);
    void SetAt(int i, const char* psz);
    const CString& operator[](int i) const { return GetAt(i); }
    CString& operator[](int i) { return ElementAt(i); }

    int Add(const char* psz);
    int Add(const CString& s);
    void InsertAt(int i, const char* psz, int nCount = 1);
    void RemoveAt(int i, int nCount = 1);
    void RemoveAll() { m_items.clear(); }
    void Copy(const CStringArray& src) { m_items = src.m_items; }
    int Append(const CStringArray& src);

    std::vector<CString>::const_iterator begin() const { return m_items.begin(); }
    std::vector<CString>::const_iterator end() const { return m_items.end(); }

private:
    std::vector<CString> m_items;
};
