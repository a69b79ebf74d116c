// CMoreWnd: one group of a grouped product file: the group's name, the
// texts shown when it is picked, its conditions and its item lines.
#pragma once

#include "framework/core/ObArray.h"
#include "selection/MoreEntry.h"
#include "selection/MoreLine.h"

class CMoreWnd : public CMoreEntry {
    DECLARE_DYNAMIC(CMoreWnd)
public:
    explicit CMoreWnd(const CString& name = CString()) : CMoreEntry(name) {}
    CMoreWnd(const CMoreWnd& other);
    CMoreWnd& operator=(const CMoreWnd& other);
    ~CMoreWnd() override;

    // Reads the record after its name: cells, conditions, item lines.
    void ReadBody(CDtaReader& reader);

    int GetLineCount() const { return m_arrLines.GetSize(); }
    // An index outside the lines raises the invalid-argument exception.
    CMoreLine* GetLine(int i) const { return static_cast<CMoreLine*>(m_arrLines.GetAt(i)); }
    // Takes ownership of the line.
    void AddLine(CMoreLine* pLine) { m_arrLines.Add(pLine); }

private:
    void CopyLines(const CMoreWnd& other);

    CObArray m_arrLines;  // of CMoreLine, owned
};
