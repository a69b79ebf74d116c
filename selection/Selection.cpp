#include "selection/Selection.h"

CSelection::CSelection(const CSelection& other)
    : CObject(other),
      m_nFileNo(other.m_nFileNo),
      m_nStyle(other.m_nStyle),
      m_nPriceCol(other.m_nPriceCol),
      m_strFileName(other.m_strFileName),
      m_arrColNames(other.m_arrColNames) {}

CSelection& CSelection::operator=(const CSelection& other) {
    if (this != &other) {
        m_strFileName = other.m_strFileName;
        m_nFileNo = other.m_nFileNo;
        m_nStyle = other.m_nStyle;
        m_nPriceCol = other.m_nPriceCol;
        m_arrColNames.Copy(other.m_arrColNames);
    }
    return *this;
}

int CSelection::Find(const CString& name) const {
    for (int i = 0; i < m_arrColNames.GetSize(); ++i)
        if (m_arrColNames.GetAt(i) == name) return i;
    return -1;
}

void CSelection::ResetBase() {
    m_strFileName.Empty();
    m_nFileNo = 0;
    m_nStyle = 0;
    m_nPriceCol = 0;
    m_arrColNames.RemoveAll();
}
