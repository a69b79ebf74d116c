// CComponent: one named segment of a technical description line, given by
// its start position and length in the fixed-width line.
#pragma once

#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"

class CComponent : public CObject {
    DECLARE_SERIAL(CComponent)
public:
    CComponent() = default;
    CComponent(const char* pszName, int nStart, int nLength);
    CComponent(const CComponent& other);
    CComponent& operator=(const CComponent& other);
    ~CComponent() override = default;

    // Name as text; start and length as 16-bit unsigned numbers.
    void Serialize(CArchive& ar) override;

    void SetName(const char* pszName) { m_strName = pszName; }
    CString GetName() const { return m_strName; }
    // A negative start or length is kept as 0.
    void SetStart(int nStart) { m_nStart = nStart < 0 ? 0 : nStart; }
    void SetLength(int nLength) { m_nLength = nLength < 0 ? 0 : nLength; }

    // The product-data-file form: the name's bytes, a line feed, then start
    // and length as 32-bit little-endian integers.
    void WriteToFile(CFile& file) const;

    int m_nStart = 0;
    int m_nLength = 0;

private:
    CString m_strName;
};
