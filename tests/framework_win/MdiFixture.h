// A small multiple-document program for the tests: a document with a text,
// its view, child frame and main frame (toolbar and status bar), each
// answering the routing commands of TestIds.h.
#pragma once

#include <gtest/gtest.h>

#include "framework/core/Document.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/MDI.h"
#include "framework/win/StatusBar.h"
#include "framework/win/ToolBar.h"
#include "framework/win/View.h"

class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)
public:
    CString m_strText;
    bool m_bFailSave = false;  // Serialize fails half-way through a save
    void Serialize(CArchive& ar) override;
    void OnCmdAll() { Trace("doc"); }
    BOOL OnCmdPass(UINT) {
        Trace("doc");
        return TRUE;
    }
    void OnCmdDisabled() { Trace("doc disabled"); }
    void OnUpdateCmdDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    static void Trace(const char* what);
    DECLARE_MESSAGE_MAP()
};

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)
public:
    int m_nUpdates = 0;
    LPARAM m_lLastHint = -1;
    void OnDraw(CDC*) override {}
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnCmdAll() { CTestDoc::Trace("view"); }
    BOOL OnCmdPass(UINT) {
        CTestDoc::Trace("view declines");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

class CTestChild : public CMDIChildWnd {
    DECLARE_DYNCREATE(CTestChild)
public:
    void OnCmd(UINT) { CTestDoc::Trace("child"); }
    DECLARE_MESSAGE_MAP()
};

class CTestMainFrame : public CMDIFrameWnd {
    DECLARE_DYNAMIC(CTestMainFrame)
public:
    CToolBar m_wndToolBar;
    CStatusBar m_wndStatusBar;
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnCmd(UINT) { CTestDoc::Trace("main"); }
    DECLARE_MESSAGE_MAP()
};

// Makes the main frame (and, once, the document template) for each test
// and closes everything after it without asking.
class MdiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CTestDoc* NewDocument();  // File New
    static std::vector<std::string>& Trace();

    CTestMainFrame* m_pMain = nullptr;
    CMultiDocTemplate* m_pTemplate = nullptr;
};
