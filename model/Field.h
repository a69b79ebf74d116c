// CField: one value of a line, bound to its descriptor by the layout and the
// descriptor's index. Values move in and out as text: SetText normalises the
// text for the field's kind and returns a result code, GetText shows it.
#pragma once

#include "framework/core/Archive.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"

class CTableStruct;

class CField : public CObject {
    DECLARE_SERIAL(CField)
public:
    // Result codes of SetText: 0 accepted; 1 to 4 the status of a date
    // (CDate); 5 a number was interpreted or did not fit.
    enum { resultOk = 0, resultInterpreted = 5 };

    CField() = default;
    CField(CTableStruct* pTableStruct, int nIndex) : m_pTableStruct(pTableStruct), m_nIndex(nIndex) {}
    CField(const CField& other) : CObject(), m_pTableStruct(other.m_pTableStruct), m_nIndex(other.m_nIndex) {}
    // Copies the layout and the index only.
    CField& operator=(const CField& other);
    ~CField() override = default;

    // The layout as an object reference, then the index as 16-bit unsigned.
    // The layout must have been read earlier in the archive and must hold
    // the index.
    void Serialize(CArchive& ar) override;

    virtual int SetText(CString strText);
    virtual CString GetText() const;

    CTableStruct* GetTableStruct() const { return m_pTableStruct; }
    int GetIndex() const { return m_nIndex; }

protected:
    // The descriptor's length and precision; a field without a layout or
    // with an index outside it raises CInvalidArgException.
    int GetFieldLength() const;
    int GetFieldPrecision() const;

    CTableStruct* m_pTableStruct = nullptr;  // shared, not owned
    int m_nIndex = 0;
};
