#include "tests/framework_win/MdiFixture.h"

#include "framework/win/Dialog.h"
#include "framework/win/FileDialog.h"
#include "framework/win/MessageMap.h"
#include "tests/framework_win/TestIds.h"
#include "tests/framework_win/WinTestSupport.h"

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
IMPLEMENT_DYNCREATE(CTestView, CView)
IMPLEMENT_DYNCREATE(CTestChild, CMDIChildWnd)
IMPLEMENT_DYNAMIC(CTestMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND(ID_CMD_ALL, &CTestDoc::OnCmdAll)
    ON_COMMAND(ID_CMD_DOC, &CTestDoc::OnCmdAll)
    ON_COMMAND_EX(ID_CMD_PASS, &CTestDoc::OnCmdPass)
    ON_COMMAND(ID_CMD_DISABLED, &CTestDoc::OnCmdDisabled)
    ON_UPDATE_COMMAND_UI(ID_CMD_DISABLED, &CTestDoc::OnUpdateCmdDisabled)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_COMMAND(ID_CMD_ALL, &CTestView::OnCmdAll)
    ON_COMMAND_EX(ID_CMD_PASS, &CTestView::OnCmdPass)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTestChild, CMDIChildWnd)
    ON_COMMAND_RANGE(ID_CMD_ALL, ID_CMD_CHILD, &CTestChild::OnCmd)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTestMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND_RANGE(ID_CMD_ALL, ID_CMD_MAIN, &CTestMainFrame::OnCmd)
END_MESSAGE_MAP()

void CTestDoc::Trace(const char* what) { theTestApp.trace.push_back(what); }

void CTestDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_strText;
        if (m_bFailSave) AfxThrowArchiveException(CArchiveException::genericException);
    } else {
        ar >> m_strText;
    }
}

void CTestView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
    ++m_nUpdates;
    m_lLastHint = lHint;
    CView::OnUpdate(pSender, lHint, pHint);
}

int CTestMainFrame::OnCreate(LPCREATESTRUCTA lpcs) {
    if (CMDIFrameWnd::OnCreate(lpcs) == -1) return -1;
    static const UINT buttons[] = {ID_FILE_NEW, ID_SEPARATOR, ID_CMD_ALL, ID_CMD_NONE, ID_CMD_DISABLED};
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    if (!m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP) || !m_wndToolBar.SetButtons(buttons, 5))
        return -1;
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 4)) return -1;
    return 0;
}

std::vector<std::string>& MdiTest::Trace() { return theTestApp.trace; }

void MdiTest::SetUp() {
    static CMultiDocTemplate* s_pTemplate = nullptr;
    if (!s_pTemplate) {
        s_pTemplate = new CMultiDocTemplate(IDR_TESTDOC, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestChild),
                                            RUNTIME_CLASS(CTestView));
        theTestApp.AddDocTemplate(s_pTemplate);
    }
    m_pTemplate = s_pTemplate;
    m_pTemplate->m_nUntitledCount = 0;
    m_pMain = new CTestMainFrame;
    ASSERT_TRUE(m_pMain->LoadFrame(IDR_TESTFRAME));
    theTestApp.m_pMainWnd = m_pMain;
    m_pMain->ShowWindow(SW_SHOW);
    m_pMain->UpdateWindow();
    Trace().clear();
}

void MdiTest::TearDown() {
    // Everything closes without a question.
    for (CDocument* pDoc : std::vector<CDocument*>(m_pTemplate->GetDocuments())) pDoc->SetModifiedFlag(FALSE);
    theTestApp.CloseAllDocuments(FALSE);
    if (theTestApp.m_pMainWnd) theTestApp.m_pMainWnd->DestroyWindow();
    theTestApp.m_pMainWnd = nullptr;
    CDialog::ClearTestHooks();
    CFileDialog::ClearTestHooks();
    PumpMessages();
}

CTestDoc* MdiTest::NewDocument() {
    size_t before = m_pTemplate->GetDocuments().size();
    m_pMain->SendMessage(WM_COMMAND, ID_FILE_NEW);
    EXPECT_EQ(m_pTemplate->GetDocuments().size(), before + 1);
    return static_cast<CTestDoc*>(m_pTemplate->GetDocuments().back());
}
