// CMainFrame: the program's main window, with the menu bar, the toolbar,
// the status bar and the line clipboard into which Copy Line and Paste Line
// copy whole Summary or Detail lines (so a line copied in one job can be
// pasted into another).
#pragma once

#include "framework/win/MDI.h"
#include "framework/win/StatusBar.h"
#include "framework/win/ToolBar.h"

class CRecord;
class CTable;
class CTableStruct;

class CMainFrame : public CMDIFrameWnd {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // Copy line `nRow` of the table into the clipboard of its kind, or the
    // clipboard's line over it. The row must exist.
    void CopyRecordToSummaryClip(CTable* pTable, int nRow);
    void CopyRecordFromSummaryClip(CTable* pTable, int nRow);
    void CopyRecordToDetailClip(CTable* pTable, int nRow);
    void CopyRecordFromDetailClip(CTable* pTable, int nRow);

    int OnCreate(LPCREATESTRUCTA lpcs);

    CTableStruct* m_pSummaryStruct;
    CTableStruct* m_pDetailStruct;
    CRecord* m_pSummaryClip;  // carries its Detail lines in its child table
    CRecord* m_pDetailClip;
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;

    DECLARE_MESSAGE_MAP()
};
