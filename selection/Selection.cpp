#include "selection/Selection.h"

#include "selection/DtaReader.h"
#include "selection/ProductFileHead.h"

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

BOOL CSelection::LoadProductFile(const CString& folder, CString fileName, int nStyle,
                                 const std::function<void(CDtaReader&)>& readBody,
                                 const std::function<void()>& discard) {
    fileName = ProductFileName(fileName);
    CDtaReader reader;
    if (!OpenProductFile(folder, fileName, reader)) return FALSE;
    m_strFileName = fileName;
    m_nStyle = nStyle;
    try {
        m_nFileNo = reader.ReadInt();
        readBody(reader);
    } catch (CDtaFormatException&) {
        discard();
        ResetBase();
        ShowNotCurrentFile(fileName);
        return FALSE;
    } catch (...) {
        // Out of memory, say: a half-read file must not pass for a loaded one.
        discard();
        ResetBase();
        throw;
    }
    return TRUE;
}
