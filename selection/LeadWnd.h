// CLeadWnd: the selection over a grouped product data file. The left list
// shows the groups, the right list the item lines of the picked group; in
// auto mode the groups and lines whose conditions the job's other lines
// satisfy carry the Vantrel mark. Not a window despite its name.
#pragma once

#include "framework/core/ObArray.h"
#include "framework/core/StringArray.h"
#include "selection/MoreWnd.h"
#include "selection/Selection.h"

class CDtaReader;

class CLeadWnd : public CSelection {
public:
    CLeadWnd() = default;
    CLeadWnd(const CLeadWnd& other);
    ~CLeadWnd() override;
    CLeadWnd& operator=(const CLeadWnd&) = delete;  // the base's assignment copies only its members

    CORV_SELECTION_OVERRIDES
    int GetRowCount() override { return 0; }
    CString GetCell(int, int) override { return CString(); }
    int GetGroupCount() override { return m_arrGroups.GetSize(); }
    // An index outside the groups raises the invalid-argument exception.
    CMoreWnd* GetGroup(int nIndex) override;

    // Deep copy of everything the other selection holds.
    virtual CLeadWnd& CopyFrom(const CLeadWnd& other);

    // Shows price and figure number of the picked item and raises the
    // price-on-application and Vantrel alerts.
    BOOL OnItemSelected(CSelListBox* pLeft, CSelListBox* pRight, CSelTextWnd* pPrice, CSelTextWnd* pFigure,
                        BOOL bAlert);

    // Condition evaluation over a group or an item line (any other object
    // is reported as invalid).
    BOOL MatchConditions(CObject* pElement, CSelOwner* pView, CTable* pTable, int nRow, int nCol);
    BOOL MatchCondition(CObject* pElement, int nIndex, CSelOwner* pView, CTable* pTable, int nRow, int nCol);
    BOOL IsOrCondition(CObject* pElement, int nCount, int nIndex);

    int GetTitleCount() const { return m_arrTitles.GetSize(); }
    CString GetTitle(int i) const { return m_arrTitles.GetAt(i); }

private:
    void ReadBody(CDtaReader& reader);
    void FreeAll();
    void CopyMembers(const CLeadWnd& other);
    // The item at group g, line l, or null.
    CMoreLine* Item(int g, int l) const;

    CStringArray m_arrTitles;
    CObArray m_arrGroups;  // of CMoreWnd, owned
};
