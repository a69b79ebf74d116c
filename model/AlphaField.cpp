#include "model/AlphaField.h"

IMPLEMENT_SERIAL(CAlphaField, CField, 1)

CAlphaField& CAlphaField::operator=(const CAlphaField& other) {
    CField::operator=(other);
    m_strText = other.m_strText;
    return *this;
}

void CAlphaField::Serialize(CArchive& ar) {
    CField::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strText;
    } else {
        CString text;
        ar >> text;
        SetText(text);
    }
}

int CAlphaField::SetText(CString strText) {
    m_strText = strText.Left(GetFieldLength());
    return resultOk;
}
