#include "framework/core/ObArray.h"

#include <algorithm>

#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"

namespace {
constexpr DWORD kReserveAtMost = 256;
constexpr size_t kPrefetchAhead = 4;

void Prefetch(const void* p) {
#if defined(__GNUC__)
    __builtin_prefetch(p);
#else
    (void)p;
#endif
}
}  // namespace

CObject* CObArray::GetAt(int i) const {
    if (i < 0 || i >= GetSize()) AfxThrowInvalidArgException();
    return m_items[static_cast<size_t>(i)];
}

void CObArray::SetAt(int i, CObject* p) {
    if (i < 0 || i >= GetSize()) AfxThrowInvalidArgException();
    m_items[static_cast<size_t>(i)] = p;
}

int CObArray::Add(CObject* p) {
    m_items.push_back(p);
    return GetSize() - 1;
}

void CObArray::InsertAt(int i, CObject* p) {
    if (i < 0 || i > GetSize()) AfxThrowInvalidArgException();
    m_items.insert(m_items.begin() + i, p);
}

void CObArray::RemoveAt(int i, int nCount) {
    if (i < 0 || nCount < 0 || i + nCount > GetSize()) AfxThrowInvalidArgException();
    m_items.erase(m_items.begin() + i, m_items.begin() + i + nCount);
}

void CObArray::DeleteAll() {
    for (CObject* p : m_items) delete p;
    m_items.clear();
}

void CObArray::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(m_items.size()));
        for (CObject* p : m_items) ar.WriteObject(p);
    } else {
        DWORD n = ar.ReadCount();
        for (DWORD i = 0; i < n; ++i) m_items.push_back(ar.ReadObject(nullptr));
    }
}

void CObArray::SerializeOwned(CArchive& ar, const CRuntimeClass* pExpected) {
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(m_items.size()));
        // The elements lie apart in memory: asking for the next few early
        // hides most of the wait for each.
        const size_t n = m_items.size();
        for (size_t i = 0; i < n; ++i) {
            if (i + kPrefetchAhead < n) Prefetch(m_items[i + kPrefetchAhead]);
            ar.WriteOwnedObject(m_items[i]);
        }
        return;
    }
    DWORD n = ar.ReadCount();
    // Room for the usual arrays at once; a larger count grows as its
    // elements arrive.
    m_items.reserve(m_items.size() + std::min<DWORD>(n, kReserveAtMost));
    // Each element takes at least two bytes, so the count never sizes an
    // allocation beyond what the input can hold.
    for (DWORD i = 0; i < n; ++i) {
        CObject* p = ar.ReadOwnedObject(pExpected);
        m_items.push_back(p);
    }
}
