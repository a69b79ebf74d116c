#include "model/WordsField.h"

IMPLEMENT_SERIAL(CWordsField, CField, 1)

CWordsField& CWordsField::operator=(const CWordsField& other) {
    CField::operator=(other);
    m_strText = other.m_strText;
    m_nIndentLeft = other.m_nIndentLeft;
    m_nIndentRight = other.m_nIndentRight;
    return *this;
}

void CWordsField::Serialize(CArchive& ar) {
    CField::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strText << static_cast<WORD>(m_nIndentLeft) << static_cast<WORD>(m_nIndentRight);
    } else {
        WORD wLeft, wRight;
        ar >> m_strText >> wLeft >> wRight;
        m_nIndentLeft = wLeft;
        m_nIndentRight = wRight;
    }
}

int CWordsField::SetText(CString strText) {
    m_strText = strText;
    return resultOk;
}
