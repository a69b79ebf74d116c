// CMoreLine: one item line of a grouped product file: the item's name
// (its description), its cells (one per column name), its conditions and
// the components of its description.
#pragma once

#include "framework/core/ObArray.h"
#include "selection/MoreEntry.h"

class CMoreLine : public CMoreEntry {
    DECLARE_DYNAMIC(CMoreLine)
public:
    explicit CMoreLine(const CString& name = CString()) : CMoreEntry(name) {}
    CMoreLine(const CMoreLine& other);
    CMoreLine& operator=(const CMoreLine& other);
    ~CMoreLine() override;

    // Reads the record after its name: conditions, cells, components.
    void ReadBody(CDtaReader& reader);

    int GetComponentCount() const { return m_arrComponents.GetSize(); }
    // Indexes outside the components raise the invalid-argument exception.
    CString GetComponentName(int i) const;
    int GetComponentStart(int i) const;
    int GetComponentLength(int i) const;
    void AddComponent(const CString& name, int nStart, int nLength);
    // Appends copies of the components to the array (the caller owns them).
    void CopyComponents(CObArray& arrTarget) const;

private:
    CObArray m_arrComponents;  // of CComponent, owned
};
