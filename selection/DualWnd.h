// CDualWnd: the selection over a table-form product data file. The table
// has rows x cols text cells; the first n columns are choosing columns, one
// left-list line each. Every value chosen narrows the rows; the first row
// that agrees with all left lines is the chosen item. Not a window despite
// its name: it drives the dialog's windows.
#pragma once

#include <vector>

#include "selection/CellTable.h"
#include "selection/ChoiceWnd.h"
#include "selection/Selection.h"

class CComponent;
class CDtaReader;

class CDualWnd : public CSelection {
public:
    CDualWnd() = default;
    CDualWnd(const CDualWnd& other);
    ~CDualWnd() override;
    CDualWnd& operator=(const CDualWnd&) = delete;  // the base's assignment copies only its members

    CORV_SELECTION_OVERRIDES
    int GetRowCount() override { return m_nRows; }
    CString GetCell(int nRow, int nCol) override;
    int GetGroupCount() override { return 0; }
    CMoreWnd* GetGroup(int) override { return nullptr; }

    // Deep copy of everything the other selection holds.
    virtual CDualWnd& CopyFrom(const CDualWnd& other);

    // Shows the price and figure number of the first row that agrees with
    // every left line; FALSE (price and figure emptied) when none does.
    BOOL LookUpPrice(CSelListBox* pLeft, CSelTextWnd* pPrice, CSelTextWnd* pFigure, BOOL bAlert);
    // Puts back the values the Detail line already holds, borrowing values
    // for the empty lines from the lines above.
    void RestoreSelection(CSelListBox* pLeft, CSelTextWnd* pPrice, CSelTextWnd* pFigure, CTable* pTable,
                          int nRow, int nCol, BOOL bAlert);

    int GetComponentCount() const { return m_arrComponents.GetSize(); }
    // An index outside the components raises the invalid-argument exception.
    CString GetComponentName(int i) const;
    int GetComponentStart(int i) const;
    int GetComponentLength(int i) const;
    int GetColCount() const { return m_nCols; }
    int GetSetCount() const { return m_arrSets.GetSize(); }
    const CChoiceWnd& GetFirstLevel() const { return m_firstLevel; }
    // Bytes the cells take in memory.
    size_t CellBytes() const { return m_cells.Bytes(); }

private:
    const CComponent* Component(int i) const;
    CChoiceWnd* Set(int i) const;
    std::string_view CellView(int nRow, int nCol) const { return m_cells.View(nRow, nCol); }
    CString CellRef(int nRow, int nCol) const { return m_cells.Get(nRow, nCol); }
    void ReadBody(CDtaReader& reader);
    void FreeAll();
    void CopyMembers(const CDualWnd& other);
    // Candidates := all rows.
    void ResetCandidates();
    // Keeps the candidates whose cell in column nCol equals text.
    void Narrow(int nCol, const CString& text);
    // First row that agrees with every left line, or -1.
    int FirstMatchingRow(CSelListBox* pLeft);
    int ChoosingColumnCount() const { return m_firstLevel.GetList2Count(); }

    CObArray m_arrComponents;  // of CComponent, owned
    CChoiceWnd m_firstLevel;
    CObArray m_arrSets;  // of CChoiceWnd, owned
    int m_nRows = 0;
    int m_nCols = 0;
    CCellTable m_cells;             // rows x cols, row-major
    std::vector<int> m_candidates;  // matching rows, then -1; empty until loaded
};
