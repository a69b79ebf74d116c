#include "model/DateField.h"

#include "model/Date.h"

IMPLEMENT_SERIAL(CDateField, CField, 1)

CDateField& CDateField::operator=(const CDateField& other) {
    CField::operator=(other);
    m_strDate = other.m_strDate;
    return *this;
}

void CDateField::Serialize(CArchive& ar) {
    CField::Serialize(ar);
    if (ar.IsStoring())
        ar << m_strDate;
    else
        ar >> m_strDate;
}

int CDateField::SetText(CString strText) {
    const CDate date(strText);
    m_strDate = date.GetText();
    return date.m_nStatus;
}
