// CDetailWnd: the captioned child window of a job view in which the Detail
// lines of one Summary line are edited, as a grid laid out like the
// Summary grid with its own scroll bars and cell editor. It lives as long
// as the view and is shown and hidden; hiding it commits and rolls the
// Detail lines up into their Summary line.
#pragma once

#include <memory>

#include "editor/GridUpdate.h"

#include "framework/win/Wnd.h"

class CCorvScrollBar;
class CCorvView;
class CEditWnd;
class CObject;
class CTable;

class CDetailWnd : public CWnd {
    DECLARE_DYNAMIC(CDetailWnd)
public:
    CDetailWnd() = default;
    ~CDetailWnd() override;

    // Shows the window for the Detail table of Summary row nSummaryRow.
    void ShowForLine(CCorvView* pView, CTable* pTable, int nSummaryRow, BOOL bOpenSelect);
    // Update hints that concern this window's grid.
    void OnUpdate(LPARAM lHint, CObject* pHint);
    CRect GetGridRect() const;
    void CalcVisibleRows();
    void VScroll(UINT nSBCode, UINT nPos);
    void UpdateEditorPosition();
    int GetColumnLimit() const;
    // "- - Line #<n> - -" for the 1-based line number n.
    void SetLineCaption(int nLineNumber);

    // Handlers.
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnSetFocus(CWnd* pOldWnd);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnGetMinMaxInfo(MINMAXINFO* pMMI);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnClose();
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // The grid as the shared grid code sees it; with scrolling when keys may move it.
    GridContext MakeGridContext(bool bWithScrolling);
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);

    CTable* m_pTable = nullptr;
    CCorvView* m_pView = nullptr;
    std::unique_ptr<CCorvScrollBar> m_pHScroll;
    std::unique_ptr<CCorvScrollBar> m_pVScroll;
    std::unique_ptr<CEditWnd> m_pEditWnd;
    int m_nVisibleRows = 0;

private:
    void RollUpIntoSummaryLine();

    DECLARE_MESSAGE_MAP()
};
