#include "reports/PrtCol.h"

#include "framework/core/Exceptions.h"

CPrtCol::CPrtCol(const CPrtCol& other)
    : CObject(), m_x(other.m_x), m_nAlign(other.m_nAlign), m_bUnderline(other.m_bUnderline) {
    m_lines.Copy(other.m_lines);
}

CPrtCol& CPrtCol::operator=(const CPrtCol& other) {
    if (this == &other) return *this;
    m_x = other.m_x;
    m_nAlign = other.m_nAlign;
    m_bUnderline = other.m_bUnderline;
    m_lines.Copy(other.m_lines);
    return *this;
}

void CPrtCol::InsertLine(int i, const CString& s) {
    if (i < 0) AfxThrowInvalidArgException();
    if (i >= m_lines.GetSize()) {
        m_lines.SetSize(i);
        m_lines.Add(s);
        return;
    }
    m_lines.InsertAt(i, s);
}

CString CPrtCol::GetLine(int i) const {
    if (i < 0 || i >= m_lines.GetSize()) AfxThrowInvalidArgException();
    return m_lines[i];
}

void CPrtCol::SetLine(int i, const CString& s) {
    if (i < 0 || i >= m_lines.GetSize()) AfxThrowInvalidArgException();
    m_lines.SetAt(i, s);
}
