// CObArray: an ordered list of object pointers. The array does not own its
// elements: whoever fills it deletes them (see DeleteAll).
#pragma once

#include <vector>

#include "framework/core/Object.h"

class CObArray : public CObject {
public:
    CObArray() = default;
    CObArray(const CObArray&) = delete;
    CObArray& operator=(const CObArray&) = delete;

    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }

    CObject* GetAt(int i) const;
    void SetAt(int i, CObject* p);
    CObject* operator[](int i) const { return GetAt(i); }

    int Add(CObject* p);
    void InsertAt(int i, CObject* p);
    void RemoveAt(int i, int nCount = 1);
    void RemoveAll() { m_items.clear(); }
    // Deletes every element and empties the array (for owners).
    void DeleteAll();

    // The object-array form of the archive: a count, then each element as
    // an object reference. Reading appends to the array; when pExpected is
    // given every element must be a new object of that kind (the array owns
    // its elements, so a back reference would be owned twice).
    void Serialize(CArchive& ar) override;
    void SerializeOwned(CArchive& ar, const CRuntimeClass* pExpected);

    std::vector<CObject*>::const_iterator begin() const { return m_items.begin(); }
    std::vector<CObject*>::const_iterator end() const { return m_items.end(); }

private:
    std::vector<CObject*> m_items;
};
