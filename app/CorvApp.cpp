#include "app/CorvApp.h"

#include "app/AboutDlg.h"
#include "app/CorvMDIChildWnd.h"
#include "app/MainFrame.h"
#include "app/SplashWnd.h"
#include "database/DlgFindJob.h"
#include "database/JobStore.h"
#include "editor/CorvView.h"
#include "editor/ViewEdits.h"
#include "framework/win/CommandLine.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/MessageMap.h"
#include "model/CorvDoc.h"
#include "model/JobDuties.h"
#include "res/resource.h"
#include "selection/SelSettings.h"
#include "workspace/NewJob.h"

IMPLEMENT_DYNAMIC(CCorvApp, CWinApp)

BEGIN_MESSAGE_MAP(CCorvApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, &CCorvApp::OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
    ON_COMMAND(ID_FILE_FIND, &CCorvApp::OnFileFind)
    ON_COMMAND(ID_FILE_PRINT_SETUP, &CWinApp::OnFilePrintSetup)
    ON_COMMAND(ID_OPTIONS_PREFERENCES, &CCorvApp::OnOptionsPreferences)
    ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
    ON_UPDATE_COMMAND_UI(ID_FILE_OPEN, &CCorvApp::OnUpdateFileOpen)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, &CWinApp::OnUpdateRecentFileMenu)
END_MESSAGE_MAP()

CCorvApp::CCorvApp() : CWinApp(nullptr) {
    CorvInstallWorkspace(&m_workspace);
    // What a job needs of the settings, the views and the database.
    CJobDuties& duties = CorvJobDuties();
    duties.initNewJob = InitNewJobFromWorkspace;
    duties.commitEdits = CommitViewEdits;
    duties.store = StoreJobInDatabase;
}

CCorvApp::~CCorvApp() {
    CorvJobDuties() = CJobDuties();
    // Uninstalls its own workspace only.
    CWorkspace* pInstalled = CorvInstallWorkspace(nullptr);
    if (pInstalled != &m_workspace) CorvInstallWorkspace(pInstalled);
}

BOOL CCorvApp::InitInstance() {
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    CSplashWnd::EnableSplashScreen(cmdInfo.m_bShowSplash);

    LoadStdProfileSettings(4);

    AddDocTemplate(new CMultiDocTemplate(IDR_CORVTYPE, RUNTIME_CLASS(CCorvDoc),
                                         RUNTIME_CLASS(CCorvMDIChildWnd), RUNTIME_CLASS(CCorvView)));

    auto* pMainFrame = new CMainFrame;
    if (!pMainFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
        delete pMainFrame;
        return FALSE;
    }
    m_nCmdShow = SW_SHOWMAXIMIZED;
    pMainFrame->ShowWindow(m_nCmdShow);
    pMainFrame->UpdateWindow();
    m_pMainWnd = pMainFrame;

    m_pMainWnd->DragAcceptFiles(TRUE);
    EnableShellOpen();
    RegisterShellFileTypes(FALSE);

    m_nProjectPage = 0;
    m_nPrefsPage = 0;
    m_nWordsPage = 0;
    m_bFindMode = FALSE;
    m_pDocToClose = nullptr;
    m_bDtaFolderChanged = FALSE;

    // The settings come before any job is opened, so that a job named on
    // the command line opens under the same preferences as every other.
    ReadSettings();
    LoadChoiceLists();
    // Product selection reads the folder and alerts afresh at each use.
    SetSelSettingsProvider([this] {
        CSelSettings s;
        s.strDtaFolder = GetDtaFolder();
        s.bDtaFolderChanged = m_bDtaFolderChanged;
        s.bPOAAlert = m_bPOAAlert;
        s.bVantrAlert = m_bVantrAlert;
        s.bAutoSelect = m_bAutoSelect;
        return s;
    });
    // File > Find... runs the quotation finder on the job it creates.
    InstallQuotationFinder();

    OpenCommandLineJob(m_lpCmdLine);
    return TRUE;
}

void CCorvApp::OpenCommandLineJob(const char* lpszCmdLine) {
    CString path(lpszCmdLine);
    path.Trim();
    if (path.IsEmpty()) return;
    // An embedding switch ("-Embedding", "/e") opens nothing.
    if ((path[0] == '-' || path[0] == '/') && path.GetLength() > 1 && (path[1] == 'e' || path[1] == 'E'))
        return;
    // The shell quotes a path that holds blanks.
    if (path[0] == '"') {
        const int close = path.Find('"', 1);
        path = close > 0 ? path.Mid(1, close - 1) : path.Mid(1);
    }
    OpenDocumentFile(path);  // a failed open is reported by the document
}

BOOL CCorvApp::PreTranslateMessage(MSG* pMsg) {
    if (CSplashWnd::PreTranslateAppMessage(pMsg)) return TRUE;
    return CWinApp::PreTranslateMessage(pMsg);
}

void CCorvApp::OnAppAbout() {
    CAboutDlg dlg;
    dlg.DoModal();
}

void CCorvApp::OnFileFind() {
    m_arrOpenJobNumbers.RemoveAll();
    POSITION posTemplate = GetFirstDocTemplatePosition();
    while (posTemplate) {
        CDocTemplate* pTemplate = GetNextDocTemplate(posTemplate);
        POSITION posDoc = pTemplate->GetFirstDocPosition();
        while (posDoc) {
            auto* pDoc = dynamic_cast<CCorvDoc*>(pTemplate->GetNextDoc(posDoc));
            if (pDoc) m_arrOpenJobNumbers.Add(pDoc->GetCorvNumber());
        }
    }

    m_bFindMode = TRUE;
    OnFileNew();
    m_bFindMode = FALSE;

    if (m_pDocToClose) {
        CCorvDoc* pDoc = m_pDocToClose;
        m_pDocToClose = nullptr;
        pDoc->OnCloseDocument();
    }
}

void CCorvApp::OnUpdateFileOpen(CCmdUI*) {}
