#include "selection/MoreWnd.h"

#include "selection/DtaReader.h"

IMPLEMENT_DYNAMIC(CMoreWnd, CObject)

CMoreWnd::CMoreWnd(const CString& name) : m_strName(name) {}

CMoreWnd::CMoreWnd(const CMoreWnd& other) : CObject(other) { CopyFromOther(other); }

CMoreWnd& CMoreWnd::operator=(const CMoreWnd& other) {
    if (this != &other) {
        m_arrLines.DeleteAll();
        CopyFromOther(other);
    }
    return *this;
}

CMoreWnd::~CMoreWnd() { m_arrLines.DeleteAll(); }

void CMoreWnd::CopyFromOther(const CMoreWnd& other) {
    m_strName = other.m_strName;
    m_arrCells.Copy(other.m_arrCells);
    m_conditions = other.m_conditions;
    for (CObject* p : other.m_arrLines) m_arrLines.Add(new CMoreLine(*static_cast<CMoreLine*>(p)));
}

void CMoreWnd::ReadBody(CDtaReader& reader) {
    const int nCells = reader.ReadCount(DtaItemBytes::kLine);
    for (int i = 0; i < nCells; ++i) m_arrCells.Add(reader.ReadLine());
    m_conditions.Read(reader);
    const int nLines = reader.ReadCount(DtaItemBytes::kItemLine);
    for (int i = 0; i < nLines; ++i) {
        CMoreLine* pLine = new CMoreLine(reader.ReadLine());
        m_arrLines.Add(pLine);
        pLine->ReadBody(reader);
    }
}
