// CDateField: a date (type D), kept as "MM/DD/YYYY" or empty.
#pragma once

#include "model/Field.h"

class CDateField : public CField {
    DECLARE_SERIAL(CDateField)
public:
    CDateField() = default;
    CDateField(CTableStruct* pTableStruct, int nIndex) : CField(pTableStruct, nIndex) {}
    CDateField(const CDateField& other) = default;
    CDateField& operator=(const CDateField& other);
    ~CDateField() override = default;

    // The date text, read back as it stands.
    void Serialize(CArchive& ar) override;

    // Normalises the text through CDate and keeps the result, which is empty
    // for an invalid date; returns the date's status (0 to 4).
    int SetText(CString strText) override;
    CString GetText() const override { return m_strDate; }

private:
    CString m_strDate;
};
