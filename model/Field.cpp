#include "model/Field.h"

#include "framework/core/Exceptions.h"
#include "model/TableStruct.h"

IMPLEMENT_SERIAL(CField, CObject, 1)

CField& CField::operator=(const CField& other) {
    m_pTableStruct = other.m_pTableStruct;
    m_nIndex = other.m_nIndex;
    return *this;
}

void CField::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteObject(m_pTableStruct);
        ar << static_cast<WORD>(m_nIndex);
    } else {
        auto* pLayout = static_cast<CTableStruct*>(ar.ReadSharedObject(RUNTIME_CLASS(CTableStruct)));
        WORD wIndex;
        ar >> wIndex;
        if (wIndex >= pLayout->GetSize())
            AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
        m_pTableStruct = pLayout;
        m_nIndex = wIndex;
    }
}

int CField::SetText(CString) { return resultOk; }

CString CField::GetText() const { return CString(); }

int CField::GetFieldLength() const {
    if (!m_pTableStruct) AfxThrowInvalidArgException();
    return m_pTableStruct->GetFieldLength(m_nIndex);
}

int CField::GetFieldPrecision() const {
    if (!m_pTableStruct) AfxThrowInvalidArgException();
    return m_pTableStruct->GetFieldPrecision(m_nIndex);
}
