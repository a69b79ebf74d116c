// CMainFrame: the program's main window, with the menu bar, the toolbar and
// the status bar. The line clipboard into which Copy Line and Paste Line
// copy whole Summary or Detail lines is the workspace's; the frame shows it
// under its own names.
#pragma once

#include "framework/win/MDI.h"
#include "framework/win/StatusBar.h"
#include "framework/win/ToolBar.h"
#include "workspace/LineClipboard.h"

class CMainFrame : public CMDIFrameWnd {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // Copy line `nRow` of the table into the clipboard of its kind, or the
    // clipboard's line over it. The row must exist.
    void CopyRecordToSummaryClip(CTable* pTable, int nRow) {
        m_clipboard.CopyRecordToSummaryClip(pTable, nRow);
    }
    void CopyRecordFromSummaryClip(CTable* pTable, int nRow) {
        m_clipboard.CopyRecordFromSummaryClip(pTable, nRow);
    }
    void CopyRecordToDetailClip(CTable* pTable, int nRow) {
        m_clipboard.CopyRecordToDetailClip(pTable, nRow);
    }
    void CopyRecordFromDetailClip(CTable* pTable, int nRow) {
        m_clipboard.CopyRecordFromDetailClip(pTable, nRow);
    }

    int OnCreate(LPCREATESTRUCTA lpcs);

private:
    CLineClipboard& m_clipboard;  // the workspace's

public:
    // The clipboard's layouts and lines (owned by the clipboard).
    CTableStruct* const m_pSummaryStruct;
    CTableStruct* const m_pDetailStruct;
    CRecord* const m_pSummaryClip;  // carries its Detail lines in its child table
    CRecord* const m_pDetailClip;
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;

    DECLARE_MESSAGE_MAP()
};
