#include "selection/MoreLine.h"

#include "model/Component.h"
#include "selection/DtaReader.h"
#include "selection/ProductFiles.h"

IMPLEMENT_DYNAMIC(CMoreLine, CMoreEntry)

CMoreLine::CMoreLine(const CMoreLine& other) : CMoreEntry(other) { other.CopyComponents(m_arrComponents); }

CMoreLine& CMoreLine::operator=(const CMoreLine& other) {
    if (this != &other) {
        CMoreEntry::operator=(other);
        m_arrComponents.DeleteAll();
        other.CopyComponents(m_arrComponents);
    }
    return *this;
}

CMoreLine::~CMoreLine() { m_arrComponents.DeleteAll(); }

void CMoreLine::ReadBody(CDtaReader& reader) {
    GetConditions().Read(reader);
    ReadCells(reader);
    const int nComponents = reader.ReadCount(DtaItemBytes::kComponent);
    for (int i = 0; i < nComponents; ++i) {
        const CString name = reader.ReadLine();
        const int start = reader.ReadInt();
        const int length = reader.ReadInt();
        if (!ProductFile::ComponentFits(start, length)) CDtaReader::Fail();
        AddComponent(name, start, length);
    }
}

CString CMoreLine::GetComponentName(int i) const {
    return static_cast<CComponent*>(m_arrComponents.GetAt(i))->GetName();
}

int CMoreLine::GetComponentStart(int i) const {
    return static_cast<CComponent*>(m_arrComponents.GetAt(i))->m_nStart;
}

int CMoreLine::GetComponentLength(int i) const {
    return static_cast<CComponent*>(m_arrComponents.GetAt(i))->m_nLength;
}

void CMoreLine::AddComponent(const CString& name, int nStart, int nLength) {
    m_arrComponents.Add(new CComponent(name, nStart, nLength));
}

void CMoreLine::CopyComponents(CObArray& arrTarget) const {
    for (CObject* p : m_arrComponents) arrTarget.Add(new CComponent(*static_cast<CComponent*>(p)));
}
