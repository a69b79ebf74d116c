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
        // Cut to the field's length as SetText would, without copying the
        // text that fits (nearly all of them) once more.
        ar >> m_strText;
        const int nLength = GetFieldLength();
        if (m_strText.GetLength() > nLength) m_strText = m_strText.Left(nLength);
    }
}

int CAlphaField::SetText(CString strText) {
    m_strText = strText.Left(GetFieldLength());
    return resultOk;
}
