#include "model/NumberField.h"

#include "model/NumberText.h"

IMPLEMENT_SERIAL(CNumberField, CField, 1)

CNumberField& CNumberField::operator=(const CNumberField& other) {
    CField::operator=(other);
    m_dValue = other.m_dValue;
    return *this;
}

void CNumberField::Serialize(CArchive& ar) {
    CField::Serialize(ar);
    if (ar.IsStoring())
        ar << m_dValue;
    else
        ar >> m_dValue;
}

int CNumberField::SetText(CString strText) {
    const int nLength = GetFieldLength();
    const int nPrecision = GetFieldPrecision();

    if (strText.IsEmpty()) {
        m_dValue = kEmpty;
        return resultOk;
    }
    if (strText == CString('*', nLength)) {
        m_dValue = kOverflow;
        return resultOk;
    }

    CString formatted;
    if (!FormatFixed(ReadDecimal(strText), nPrecision, formatted) || formatted.GetLength() > nLength) {
        m_dValue = kOverflow;
        return resultInterpreted;
    }
    // Keep the number as shown, so the value is rounded to the precision.
    m_dValue = ReadDecimal(formatted);
    return TrimTrailingZeros(strText) == TrimTrailingZeros(formatted) ? resultOk : resultInterpreted;
}

CString CNumberField::GetText() const {
    if (m_dValue == kEmpty) return CString();
    if (m_dValue == kOverflow) return CString('*', GetFieldLength());
    CString text;
    // A value that cannot be shown in the longest number text (only a
    // damaged file holds one) is shown as not fitting.
    if (!FormatFixed(m_dValue, GetFieldPrecision(), text)) return CString('*', GetFieldLength());
    return text;
}
