#include "selection/MoreWnd.h"

#include "selection/DtaReader.h"

IMPLEMENT_DYNAMIC(CMoreWnd, CMoreEntry)

CMoreWnd::CMoreWnd(const CMoreWnd& other) : CMoreEntry(other) { CopyLines(other); }

CMoreWnd& CMoreWnd::operator=(const CMoreWnd& other) {
    if (this != &other) {
        CMoreEntry::operator=(other);
        m_arrLines.DeleteAll();
        CopyLines(other);
    }
    return *this;
}

CMoreWnd::~CMoreWnd() { m_arrLines.DeleteAll(); }

void CMoreWnd::CopyLines(const CMoreWnd& other) {
    for (CObject* p : other.m_arrLines) m_arrLines.Add(new CMoreLine(*static_cast<CMoreLine*>(p)));
}

void CMoreWnd::ReadBody(CDtaReader& reader) {
    ReadCells(reader);
    GetConditions().Read(reader);
    const int nLines = reader.ReadCount(DtaItemBytes::kItemLine);
    for (int i = 0; i < nLines; ++i) {
        CMoreLine* pLine = new CMoreLine(reader.ReadLine());
        m_arrLines.Add(pLine);
        pLine->ReadBody(reader);
    }
}
