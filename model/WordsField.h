// CWordsField: a long text kept whole (type W), with the left and right
// indents of its block of words.
#pragma once

#include "model/Field.h"

class CWordsField : public CField {
    DECLARE_SERIAL(CWordsField)
public:
    CWordsField() = default;
    CWordsField(CTableStruct* pTableStruct, int nIndex) : CField(pTableStruct, nIndex) {}
    CWordsField(const CWordsField& other) = default;
    CWordsField& operator=(const CWordsField& other);
    ~CWordsField() override = default;

    // Text, then the left and right indents as 16-bit unsigned numbers.
    void Serialize(CArchive& ar) override;

    // Keeps the whole text; the indents stay; returns 0.
    int SetText(CString strText) override;
    CString GetText() const override { return m_strText; }

    int m_nIndentLeft = 0;
    int m_nIndentRight = 0;

private:
    CString m_strText;
};
