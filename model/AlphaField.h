// CAlphaField: a text value, cut to the field's length (type S).
#pragma once

#include "model/Field.h"

class CAlphaField : public CField {
    DECLARE_SERIAL(CAlphaField)
public:
    CAlphaField() = default;
    CAlphaField(CTableStruct* pTableStruct, int nIndex) : CField(pTableStruct, nIndex) {}
    CAlphaField(const CAlphaField& other) = default;
    CAlphaField& operator=(const CAlphaField& other);
    ~CAlphaField() override = default;

    // The text read back is cut to the field's length again, as SetText cuts it.
    void Serialize(CArchive& ar) override;

    // Keeps the first length characters; returns 0.
    int SetText(CString strText) override;
    CString GetText() const override { return m_strText; }

private:
    CString m_strText;
};
