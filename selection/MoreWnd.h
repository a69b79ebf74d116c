// CMoreWnd: one group of a grouped product file: the group's name, the
// texts shown when it is picked, its conditions and its item lines.
#pragma once

#include "framework/core/ObArray.h"
#include "framework/core/Object.h"
#include "framework/core/StringArray.h"
#include "selection/LMCheck.h"
#include "selection/MoreLine.h"

class CDtaReader;

class CMoreWnd : public CObject {
    DECLARE_DYNAMIC(CMoreWnd)
public:
    explicit CMoreWnd(const CString& name = CString());
    CMoreWnd(const CMoreWnd& other);
    CMoreWnd& operator=(const CMoreWnd& other);
    ~CMoreWnd() override;

    // Reads the record after its name: cells, conditions, item lines.
    void ReadBody(CDtaReader& reader);

    CString GetName() const { return m_strName; }
    int GetCellCount() const { return m_arrCells.GetSize(); }
    // Indexes outside the lists raise the invalid-argument exception.
    CString GetCell(int i) const { return m_arrCells.GetAt(i); }
    void AddCell(const CString& text) { m_arrCells.Add(text); }
    int GetLineCount() const { return m_arrLines.GetSize(); }
    CMoreLine* GetLine(int i) const { return static_cast<CMoreLine*>(m_arrLines.GetAt(i)); }
    // Takes ownership of the line.
    void AddLine(CMoreLine* pLine) { m_arrLines.Add(pLine); }

    const CLMCheck& GetConditions() const { return m_conditions; }
    CLMCheck& GetConditions() { return m_conditions; }
    int GetConditionCount() const { return m_conditions.GetCount(); }
    CString GetConditionName(int i) const { return m_conditions.GetName(i); }
    CString GetConditionValue(int i, int j) const { return m_conditions.GetValue(i, j); }
    int GetConditionValueCount(int i) const { return m_conditions.GetValueCount(i); }

private:
    void CopyFromOther(const CMoreWnd& other);

    CString m_strName;
    CStringArray m_arrCells;
    CObArray m_arrLines;  // of CMoreLine, owned
    CLMCheck m_conditions;
};
