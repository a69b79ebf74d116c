// CNumberField: a number (type N) held as a double, shown with the field's
// precision. Two reserved values mark an empty field and a number that did
// not fit the field.
#pragma once

#include "model/Field.h"

class CNumberField : public CField {
    DECLARE_SERIAL(CNumberField)
public:
    static constexpr double kEmpty = 1e50;     // shown as the empty text
    static constexpr double kOverflow = 2e50;  // shown as a row of '*' as long as the field

    CNumberField() = default;
    CNumberField(CTableStruct* pTableStruct, int nIndex) : CField(pTableStruct, nIndex) {}
    CNumberField(const CNumberField& other) = default;
    CNumberField& operator=(const CNumberField& other);
    ~CNumberField() override = default;

    // The value as an 8-byte IEEE double, markers included.
    void Serialize(CArchive& ar) override;

    // The empty text gives kEmpty; a row of '*' exactly as long as the field
    // gives kOverflow; any other text is read as a decimal number and rounded
    // to the precision, or becomes kOverflow when its text is longer than the
    // field. Returns 5 when the kept value reads differently from the given
    // text (trailing zeros aside) or did not fit, else 0.
    int SetText(CString strText) override;
    CString GetText() const override;

    double m_dValue = kEmpty;
};
