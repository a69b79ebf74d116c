#include "model/Component.h"

IMPLEMENT_SERIAL(CComponent, CObject, 1)

CComponent::CComponent(const char* pszName, int nStart, int nLength) {
    SetName(pszName);
    SetStart(nStart);
    SetLength(nLength);
}

CComponent::CComponent(const CComponent& other)
    : CObject(), m_nStart(other.m_nStart), m_nLength(other.m_nLength), m_strName(other.m_strName) {}

CComponent& CComponent::operator=(const CComponent& other) {
    if (this != &other) {
        m_strName = other.m_strName;
        m_nStart = other.m_nStart;
        m_nLength = other.m_nLength;
    }
    return *this;
}

void CComponent::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_strName << static_cast<WORD>(m_nStart) << static_cast<WORD>(m_nLength);
    } else {
        WORD wStart, wLength;
        ar >> m_strName >> wStart >> wLength;
        m_nStart = wStart;
        m_nLength = wLength;
    }
}

void CComponent::WriteToFile(CFile& file) const {
    file.Write(m_strName.GetString(), static_cast<UINT>(m_strName.GetLength()));
    unsigned char bytes[9];
    bytes[0] = 10;
    const unsigned int values[2] = {static_cast<unsigned int>(m_nStart),
                                    static_cast<unsigned int>(m_nLength)};
    for (int v = 0; v < 2; ++v)
        for (int i = 0; i < 4; ++i) bytes[1 + 4 * v + i] = static_cast<unsigned char>(values[v] >> (8 * i));
    file.Write(bytes, sizeof bytes);
}
