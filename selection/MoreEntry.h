// CMoreEntry: what a group and an item line of a grouped product file have
// in common: a name, cells (texts, in column order for an item line) and
// the conditions under which the entry is an automatic choice.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/StringArray.h"
#include "selection/LMCheck.h"

class CDtaReader;

class CMoreEntry : public CObject {
    DECLARE_DYNAMIC(CMoreEntry)
public:
    explicit CMoreEntry(const CString& name = CString()) : m_strName(name) {}

    CString GetName() const { return m_strName; }
    int GetCellCount() const { return m_arrCells.GetSize(); }
    // Indexes outside the lists raise the invalid-argument exception.
    CString GetCell(int i) const { return m_arrCells.GetAt(i); }
    // The cell, or empty text when there is no cell there.
    CString GetCellOrEmpty(int i) const { return i >= 0 && i < GetCellCount() ? GetCell(i) : CString(); }
    void AddCell(const CString& text) { m_arrCells.Add(text); }

    const CLMCheck& GetConditions() const { return m_conditions; }
    CLMCheck& GetConditions() { return m_conditions; }
    int GetConditionCount() const { return m_conditions.GetCount(); }
    CString GetConditionName(int i) const { return m_conditions.GetName(i); }
    CString GetConditionValue(int i, int j) const { return m_conditions.GetValue(i, j); }
    int GetConditionValueCount(int i) const { return m_conditions.GetValueCount(i); }

protected:
    // A count, then that many cells, appended.
    void ReadCells(CDtaReader& reader);

private:
    CString m_strName;
    CStringArray m_arrCells;
    CLMCheck m_conditions;
};
