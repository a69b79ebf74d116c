// CEditWnd: the in-place cell editor of a line grid. One edit control is
// laid over the current cell; it filters keys by the field's type, hands
// navigation keys to its grid, and writes its text into the field when it
// is hidden (the commit), recomputing a price line's dependent fields.
#pragma once

#include "framework/core/StringArray.h"
#include "framework/win/Controls.h"

class CCorvDoc;
class CCorvScrollBar;
class CCorvView;
class CDetailWnd;
class CTable;
class CTableStruct;

class CEditWnd : public CEdit {
    DECLARE_DYNAMIC(CEditWnd)
public:
    // pDetailWnd null: the Summary editor of the view; else the Detail
    // editor of that window. pChildLayout: layout of the Detail table that
    // each line the editor appends gets (null: none).
    CEditWnd(CCorvView* pView, CDetailWnd* pDetailWnd, CTable* pTable, CCorvScrollBar* pHScroll,
             CCorvScrollBar* pVScroll, int* pWidths, CTableStruct* pChildLayout);
    // Hides the window first, so that a pending edit is committed.
    ~CEditWnd() override;

    BOOL HasCurrentField() const { return m_nCol >= 0; }
    BOOL IsCurrentLineEmpty() const;
    // Type letter of the current column's field, 'S' when none.
    char GetFieldType() const;

    // Makes the cell under the pixel point current (commits first).
    void MoveToCell(int x, int y, const RECT& rcGrid, int nVisibleRows);
    // Shifts the cell rectangle by a scroll amount and shows the editor over
    // its cell when that cell is on screen, else hides it.
    void Reposition(const RECT& rcGrid, int nVisibleRows, int dx, int dy);
    void ComputeCellRect();
    // Reloads the text from the field when the current cell matches; -2
    // matches any row or column.
    void RefreshText(int nRow, int nCol);
    // Writes the text into the current field; returns the field's SetText
    // result, 0 when nothing was written.
    int CommitField();
    // Writes a changed-field list into the current line.
    void ApplyChangeList(const CStringArray& arrNames, const CStringArray& arrValues);
    void InvalidateCell();

    // Line commands on the current line (EditWndLines.cpp); each does
    // nothing when no cell is current.
    void CutLine();
    void CopyLine();
    void PasteLine();
    void InsertLine();
    void TechnicalToQuote();
    void PartNumberToQuotePN();
    // Product selection into the current Detail line (EditWndSelect.cpp).
    // bPresetFromLine 1: preset the dialog from the line's own technical
    // description; 0: from the view's last selection.
    void OnSelectionDialog(BOOL bPresetFromLine);
    void OnFindPartNumber();
    // Writes m_arrNames/m_arrValues into the Detail line and its Summary
    // line, then rolls the Summary line up.
    void ApplySelectionValues();

    // Line View: the current line in its line dialog, written back on OK,
    // stepping to the line above or below on Prev or Next
    // (EditWndLineView.cpp).
    void OnLineView();
    // The Words command: the words above and below the current Summary line.
    void EditLineWords();

    CRect GetCellRect() const { return m_rcCell; }
    void SetCellRect(const RECT& rc) { m_rcCell = rc; }
    BOOL IsDetailEditor() const { return m_pDetailWnd != nullptr; }

    // Handlers.
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnKillFocus(CWnd* pNewWnd);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);

    CCorvView* m_pView;
    CDetailWnd* m_pDetailWnd;
    CTable* m_pTable;
    CCorvScrollBar* m_pHScroll;
    CCorvScrollBar* m_pVScroll;
    int* m_pWidths;
    CTableStruct* m_pChildLayout;
    CStringArray m_arrNames;
    CStringArray m_arrValues;
    int m_nCol = -1;
    int m_nRow = -1;
    CRect m_rcCell;

private:
    CCorvDoc* GetDoc() const;
    CWnd* GetGridWnd() const;
    // The grid's key handler (the Detail window's or the view's).
    void ForwardKey(UINT nChar, UINT nRepCnt, UINT nFlags);
    BOOL IsCurrentRowValid() const;
    void HideIfVisible();
    void TellCommitResult(int nResult, const CString& strTyped);

    DECLARE_MESSAGE_MAP()
};
