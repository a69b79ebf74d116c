#include "selection/MoreLine.h"

#include "model/Component.h"
#include "selection/DtaReader.h"

IMPLEMENT_DYNAMIC(CMoreLine, CObject)

CMoreLine::CMoreLine(const CString& name) : m_strName(name) {}

CMoreLine::CMoreLine(const CMoreLine& other) : CObject(other) { CopyFromOther(other); }

CMoreLine& CMoreLine::operator=(const CMoreLine& other) {
    if (this != &other) {
        m_arrComponents.DeleteAll();
        CopyFromOther(other);
    }
    return *this;
}

CMoreLine::~CMoreLine() { m_arrComponents.DeleteAll(); }

void CMoreLine::CopyFromOther(const CMoreLine& other) {
    m_strName = other.m_strName;
    m_arrCells.Copy(other.m_arrCells);
    m_conditions = other.m_conditions;
    other.CopyComponents(m_arrComponents);
}

void CMoreLine::ReadBody(CDtaReader& reader) {
    m_conditions.Read(reader);
    const int nCells = reader.ReadCount(DtaItemBytes::kLine);
    for (int i = 0; i < nCells; ++i) m_arrCells.Add(reader.ReadLine());
    const int nComponents = reader.ReadCount(DtaItemBytes::kComponent);
    for (int i = 0; i < nComponents; ++i) {
        const CString name = reader.ReadLine();
        const int start = reader.ReadInt();
        const int length = reader.ReadInt();
        AddComponent(name, start, length);
    }
}

CString CMoreLine::GetComponentName(int i) const {
    return static_cast<CComponent*>(m_arrComponents.GetAt(i))->GetName();
}

int CMoreLine::GetComponentStart(int i) const { return static_cast<CComponent*>(m_arrComponents.GetAt(i))->m_nStart; }

int CMoreLine::GetComponentLength(int i) const {
    return static_cast<CComponent*>(m_arrComponents.GetAt(i))->m_nLength;
}

void CMoreLine::AddComponent(const CString& name, int nStart, int nLength) {
    m_arrComponents.Add(new CComponent(name, nStart, nLength));
}

void CMoreLine::CopyComponents(CObArray& arrTarget) const {
    for (CObject* p : m_arrComponents) arrTarget.Add(new CComponent(*static_cast<CComponent*>(p)));
}
