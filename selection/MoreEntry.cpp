#include "selection/MoreEntry.h"

#include "selection/DtaReader.h"

IMPLEMENT_DYNAMIC(CMoreEntry, CObject)

void CMoreEntry::ReadCells(CDtaReader& reader) {
    const int nCells = reader.ReadCount(DtaItemBytes::kLine);
    for (int i = 0; i < nCells; ++i) m_arrCells.Add(reader.ReadLine());
}
