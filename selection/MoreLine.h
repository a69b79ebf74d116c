// CMoreLine: one item line of a grouped product file: the item's name
// (its description), its cells (one per column name), its conditions and
// the components of its description.
#pragma once

#include "framework/core/ObArray.h"
#include "framework/core/Object.h"
#include "framework/core/StringArray.h"
#include "selection/LMCheck.h"

class CDtaReader;

class CMoreLine : public CObject {
    DECLARE_DYNAMIC(CMoreLine)
public:
    explicit CMoreLine(const CString& name = CString());
    CMoreLine(const CMoreLine& other);
    CMoreLine& operator=(const CMoreLine& other);
    ~CMoreLine() override;

    // Reads the record after its name: conditions, cells, components.
    void ReadBody(CDtaReader& reader);

    CString GetName() const { return m_strName; }
    int GetCellCount() const { return m_arrCells.GetSize(); }
    // Indexes outside the lists raise the invalid-argument exception.
    CString GetCell(int i) const { return m_arrCells.GetAt(i); }
    // The cell, or empty text when the line has no cell there.
    CString GetCellOrEmpty(int i) const { return i >= 0 && i < GetCellCount() ? GetCell(i) : CString(); }
    void AddCell(const CString& text) { m_arrCells.Add(text); }

    int GetComponentCount() const { return m_arrComponents.GetSize(); }
    CString GetComponentName(int i) const;
    int GetComponentStart(int i) const;
    int GetComponentLength(int i) const;
    void AddComponent(const CString& name, int nStart, int nLength);
    // Appends copies of the components to the array (the caller owns them).
    void CopyComponents(CObArray& arrTarget) const;

    const CLMCheck& GetConditions() const { return m_conditions; }
    CLMCheck& GetConditions() { return m_conditions; }
    int GetConditionCount() const { return m_conditions.GetCount(); }
    CString GetConditionName(int i) const { return m_conditions.GetName(i); }
    CString GetConditionValue(int i, int j) const { return m_conditions.GetValue(i, j); }
    int GetConditionValueCount(int i) const { return m_conditions.GetValueCount(i); }

private:
    void CopyFromOther(const CMoreLine& other);

    CString m_strName;
    CStringArray m_arrCells;
    CLMCheck m_conditions;
    CObArray m_arrComponents;  // of CComponent, owned
};
