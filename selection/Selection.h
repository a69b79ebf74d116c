// CSelection: one loaded product data file and the choice the user makes
// in it. The Selection Dialog and the part-number finder talk only to this
// interface; CDualWnd implements it for the table form, CLeadWnd for the
// grouped form.
//
// The windows are the dialog's (see SelWindows.h). Owner view, line table,
// row and column always name the Detail line being edited and its
// Technical Description column.
#pragma once

#include <functional>

#include "framework/core/ObArray.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/StringArray.h"
#include "selection/SelWindows.h"

class CDtaReader;
class CMoreWnd;
class CSelOwner;
class CTable;

class CSelection : public CObject {
public:
    CSelection() = default;
    CSelection(const CSelection& other);
    ~CSelection() override = default;

    // Copies the five members of this class only.
    virtual CSelection& operator=(const CSelection& other);

    // Reads the file once, right after construction. On FALSE the object
    // stays usable but empty.
    virtual BOOL LoadDataFile(CString folder, CString fileName) = 0;
    // Fills the right list with the choices of the selected left line and
    // the title window with its title lines; returns the number of lines now
    // in the title window.
    virtual int SelChangeLeftListBox(CSelListBox* pLeft, CSelTextWnd* pTitle, CSelListBox* pRight,
                                     CSelDialogWnd* pDialog, BOOL bAuto, CSelTextWnd* pPrice,
                                     CSelTextWnd* pFigure, CSelOwner* pView, CTable* pTable, int nRow,
                                     int nCol) = 0;
    // Takes the picked choice; shows price and figure number.
    virtual BOOL SelChangeRightListBox(CSelListBox* pLeft, CSelListBox* pRight, CSelTextWnd* pPrice,
                                       CSelTextWnd* pFigure, BOOL bAlert) = 0;
    // Hands back the chosen item; FALSE while no complete item is chosen.
    virtual BOOL GetSelection(CSelListBox* pLeft, CSelListBox* pRight, CSelTextWnd* pPrice,
                              CSelTextWnd* pFigure, CString* pDescription, CStringArray* pNames,
                              CStringArray* pValues, CString* pFileName, int* pFileNo, int* pStyle,
                              CObArray* pComponents) = 0;
    virtual BOOL ClearSelection(CSelListBox* pLeft, CSelListBox* pRight, CSelTextWnd* pTitle,
                                CSelTextWnd* pPrice, CSelTextWnd* pFigure) = 0;
    virtual BOOL RefillLists(CSelTextWnd* pTitle1, CSelTextWnd* pTitle2, CSelListBox* pLeft, BOOL bAuto,
                             CSelOwner* pView, CTable* pTable, int nRow, int nCol) = 0;
    // Sets the title windows, fills the left list and restores the choice
    // the line already holds; returns the number of lines of title window 1.
    virtual int FillLists(CSelTextWnd* pTitle1, CSelTextWnd* pTitle2, CSelListBox* pLeft, CTable* pTable,
                          CSelTextWnd* pPrice, CSelTextWnd* pFigure, CString* pDescription, int nCol,
                          int nRow, CSelOwner* pView, BOOL bAuto, BOOL bAlert) = 0;
    virtual BOOL FindDescription(CString description, int* pGroup, int* pLine) = 0;
    virtual void FindFigureNumber(CString text, CSelListBox* pLeft, CSelListBox* pRight, CSelTextWnd* pTitle,
                                  CSelTextWnd* pPrice, CSelTextWnd* pFigure, int* pLeftIndex,
                                  int* pRightIndex) = 0;
    virtual int FindFirstMatchingGroup(CSelOwner* pView, CTable* pTable, int nRow, int nCol, BOOL bAuto) = 0;
    virtual int FindFirstMatchingLine(CSelListBox* pLeft, CSelOwner* pView, CTable* pTable, int nRow,
                                      int nCol, BOOL bAuto) = 0;
    virtual int GetRowCount() = 0;
    virtual CString GetCell(int nRow, int nCol) = 0;
    virtual int GetGroupCount() = 0;
    virtual CMoreWnd* GetGroup(int nIndex) = 0;
    // i is the table row; j and k the group and line of the grouped form.
    virtual void GetItemDetail(CStringArray* pNames, CStringArray* pValues, CObArray* pComponents, int i,
                               int j, int k) = 0;
    virtual CString GetItemDescription(int i, int j, int k) = 0;

    CString GetName() const { return m_strFileName; }
    int GetCount() const { return m_arrColNames.GetSize(); }
    // An index outside the names raises the invalid-argument exception.
    CString GetAt(int i) const { return m_arrColNames.GetAt(i); }
    // Index of the first column name equal to name (case counts), or -1.
    int Find(const CString& name) const;

    int m_nFileNo = 0;
    int m_nStyle = 0;
    int m_nPriceCol = 0;

protected:
    // Back to the state of a new object (used when a load fails).
    void ResetBase();
    // What LoadDataFile does for either body form: the ".fld" name change,
    // opening folder + fileName and checking its head, then the file number
    // and the body (readBody). A body that breaks its format is refused with
    // the not-a-current-file message; then, as after any other failure while
    // reading, discard() and ResetBase() leave the object as empty as a new
    // one.
    BOOL LoadProductFile(const CString& folder, CString fileName, int nStyle,
                         const std::function<void(CDtaReader&)>& readBody,
                         const std::function<void()>& discard);

    CString m_strFileName;
    CStringArray m_arrColNames;
};

// The overrides that both kinds of selection (the grouped CLeadWnd and the
// table-form CDualWnd) declare: each answers the questions of CSelection
// above over its own form of product data file. The four counters and
// look-ups (GetRowCount, GetCell, GetGroupCount, GetGroup) each declares
// itself, since one form has no rows and the other no groups.
#define CORV_SELECTION_OVERRIDES                                                                            \
    BOOL LoadDataFile(CString folder, CString fileName) override;                                           \
    int SelChangeLeftListBox(CSelListBox* pLeft, CSelTextWnd* pTitle, CSelListBox* pRight,                  \
                             CSelDialogWnd* pDialog, BOOL bAuto, CSelTextWnd* pPrice, CSelTextWnd* pFigure, \
                             CSelOwner* pView, CTable* pTable, int nRow, int nCol) override;                \
    BOOL SelChangeRightListBox(CSelListBox* pLeft, CSelListBox* pRight, CSelTextWnd* pPrice,                \
                               CSelTextWnd* pFigure, BOOL bAlert) override;                                 \
    BOOL GetSelection(CSelListBox* pLeft, CSelListBox* pRight, CSelTextWnd* pPrice, CSelTextWnd* pFigure,   \
                      CString* pDescription, CStringArray* pNames, CStringArray* pValues,                   \
                      CString* pFileName, int* pFileNo, int* pStyle, CObArray* pComponents) override;       \
    BOOL ClearSelection(CSelListBox* pLeft, CSelListBox* pRight, CSelTextWnd* pTitle, CSelTextWnd* pPrice,  \
                        CSelTextWnd* pFigure) override;                                                     \
    BOOL RefillLists(CSelTextWnd* pTitle1, CSelTextWnd* pTitle2, CSelListBox* pLeft, BOOL bAuto,            \
                     CSelOwner* pView, CTable* pTable, int nRow, int nCol) override;                        \
    int FillLists(CSelTextWnd* pTitle1, CSelTextWnd* pTitle2, CSelListBox* pLeft, CTable* pTable,           \
                  CSelTextWnd* pPrice, CSelTextWnd* pFigure, CString* pDescription, int nCol, int nRow,     \
                  CSelOwner* pView, BOOL bAuto, BOOL bAlert) override;                                      \
    BOOL FindDescription(CString description, int* pGroup, int* pLine) override;                            \
    void FindFigureNumber(CString text, CSelListBox* pLeft, CSelListBox* pRight, CSelTextWnd* pTitle,       \
                          CSelTextWnd* pPrice, CSelTextWnd* pFigure, int* pLeftIndex, int* pRightIndex)     \
        override;                                                                                           \
    int FindFirstMatchingGroup(CSelOwner* pView, CTable* pTable, int nRow, int nCol, BOOL bAuto) override;  \
    int FindFirstMatchingLine(CSelListBox* pLeft, CSelOwner* pView, CTable* pTable, int nRow, int nCol,     \
                              BOOL bAuto) override;                                                         \
    void GetItemDetail(CStringArray* pNames, CStringArray* pValues, CObArray* pComponents, int i, int j,    \
                       int k) override;                                                                     \
    CString GetItemDescription(int i, int j, int k) override;
