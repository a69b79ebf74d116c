#include "model/Slots.h"

#include "model/NumberText.h"

void CSlots::Clear() {
    m_arrNames.RemoveAll();
    m_arrValues.RemoveAll();
}

void CSlots::GetAll(CStringArray& arrNames, CStringArray& arrValues) const {
    arrNames.RemoveAll();
    arrValues.RemoveAll();
    arrNames.Append(m_arrNames);
    arrValues.Append(m_arrValues);
}

void CSlots::AddName(const CString& strName) { Add(strName, CString()); }

void CSlots::Add(const CString& strName, const CString& strValue) {
    m_arrNames.Add(strName);
    m_arrValues.Add(strValue);
}

void CSlots::AddOverflow(const CString& strName, int nLength) { Add(strName, CString('*', nLength)); }

void CSlots::AddNumber(const CString& strName, double dValue, int nLength, int nPrecision) {
    // A value that does not format (not finite, or longer than any number
    // text) is an overflow, never a cut number.
    CString strText;
    if (!FormatFixed(dValue, nPrecision, strText) || strText.GetLength() > nLength)
        AddOverflow(strName, nLength);
    else
        Add(strName, strText);
}

void CSlots::AddSum(const CString& strName, BOOL bAny, BOOL bOverflow, double dSum, int nLength,
                    int nPrecision) {
    if (!bAny)
        AddName(strName);
    else if (bOverflow)
        AddOverflow(strName, nLength);
    else
        AddNumber(strName, dSum, nLength, nPrecision);
}

BOOL CSlots::Lookup(const CString& strName, CString& strValue) const {
    strValue.Empty();
    const int n = m_arrNames.GetSize();
    for (int i = 0; i < n; ++i) {
        if (m_arrNames[i] == strName) {
            strValue = m_arrValues[i];
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CSlots::GetSingle(CString& strName, CString& strValue) const {
    strName.Empty();
    strValue.Empty();
    if (m_arrNames.GetSize() != 1 || m_arrValues.GetSize() != 1) return FALSE;
    strName = m_arrNames[0];
    strValue = m_arrValues[0];
    return TRUE;
}

BOOL CSlots::IsBlank(const CString& strText) {
    return strText.str().find_first_not_of(' ') == std::string::npos ? TRUE : FALSE;
}

BOOL CSlots::IsOverflow(const CString& strText) {
    return (!strText.IsEmpty() && strText.str()[0] == '*') ? TRUE : FALSE;
}
