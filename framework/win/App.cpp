// CWinApp: the application object, its message loop and its templates.
#include "framework/win/App.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "framework/core/Document.h"
#include "framework/core/MessageBox.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/DocumentWin.h"
#include "framework/win/Gdi.h"
#include "framework/win/Menu.h"
#include "framework/win/MessageMap.h"
#include "framework/win/PrivateMessages.h"
#include "framework/win/RecentFileList.h"
#include "framework/win/StdIds.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CWinApp::OnOpenRecentFile)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, &CWinApp::OnUpdateRecentFileMenu)
END_MESSAGE_MAP()

namespace {
CWinApp* g_pApp = nullptr;
}  // namespace

CWinApp* AfxGetApp() { return g_pApp; }

CWnd* AfxGetMainWnd() { return g_pApp ? g_pApp->m_pMainWnd : nullptr; }

HINSTANCE AfxGetInstanceHandle() {
    return g_pApp && g_pApp->m_hInstance ? g_pApp->m_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

CWinApp::CWinApp(LPCSTR lpszAppName) {
    g_pApp = this;
    AfxInstallDocumentWindows();
    m_hInstance = ::GetModuleHandleA(nullptr);
    // The executable's name without folder and extension names the
    // application and its profile file ("Corv" -> "Corv.INI").
    char path[MAX_PATH * 4] = "";
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    CString name = path;
    int nSlash = std::max(name.ReverseFind('\\'), name.ReverseFind('/'));
    name = name.Mid(nSlash + 1);
    int nDot = name.ReverseFind('.');
    if (nDot >= 0) name = name.Left(nDot);
    m_strExeName = name;
    m_pszExeName = m_strExeName;
    m_strAppName = lpszAppName ? CString(lpszAppName) : m_strExeName;
    char title[256] = "";
    if (!lpszAppName && ::LoadStringA(m_hInstance, AFX_IDS_APP_TITLE, title, sizeof title) > 0)
        m_strAppName = title;
    m_pszAppName = m_strAppName;
    AfxSetMessageBoxTitle(m_pszAppName);
    SetProfileName(m_strExeName + ".INI");
}

CWinApp::~CWinApp() {
    for (CDocTemplate* pTemplate : m_templateList) delete pTemplate;
    m_templateList.clear();
    delete m_pRecentFileList;
    if (m_hDevMode) ::GlobalFree(m_hDevMode);
    if (m_hDevNames) ::GlobalFree(m_hDevNames);
    if (g_pApp == this) g_pApp = nullptr;
}

BOOL CWinApp::InitApplication() { return TRUE; }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() {
    SaveStdProfileSettings();
    return m_nExitCode;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) { return AfxPreTranslateUpTo(AfxHwndOf(m_pMainWnd), pMsg); }

BOOL CWinApp::PumpMessage() {
    MSG msg;
    if (!::GetMessageA(&msg, nullptr, 0, 0)) {
        m_nExitCode = static_cast<int>(msg.wParam);
        return FALSE;
    }
    if (!PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

int CWinApp::Run() {
    m_bInRun = TRUE;
    for (;;) {
        // Idle work while the queue is empty, then messages until it is again.
        MSG msg;
        LONG lIdleCount = 0;
        while (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && OnIdle(lIdleCount++)) {
        }
        do {
            if (!PumpMessage()) {
                m_bInRun = FALSE;
                return ExitInstance();
            }
        } while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinApp::OnIdle(LONG lCount) {
    if (lCount == 0) {
        // The bars ask the command route how their items look now.
        if (m_pMainWnd && m_pMainWnd->m_hWnd && m_pMainWnd->IsWindowVisible()) {
            m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            m_pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
        }
        return TRUE;
    }
    if (lCount == 1) {
        CWnd::DeleteTempMap();
        CMenu::DeleteTempMap();
        CDC::DeleteTempMap();
    }
    return FALSE;
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) {
    pTemplate->LoadTemplate();
    m_templateList.push_back(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const {
    return m_templateList.empty() ? nullptr : CorvPosFromIndex(0);
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& rPos) const {
    int i = CorvIndexFromPos(rPos);
    CDocTemplate* pTemplate = m_templateList.at(static_cast<size_t>(i));
    rPos = i + 1 < static_cast<int>(m_templateList.size()) ? CorvPosFromIndex(i + 1) : nullptr;
    return pTemplate;
}

int CWinApp::GetOpenDocumentCount() const {
    int n = 0;
    for (CDocTemplate* pTemplate : m_templateList) n += static_cast<int>(pTemplate->GetDocuments().size());
    return n;
}

BOOL CWinApp::SaveAllModified() {
    for (CDocTemplate* pTemplate : m_templateList)
        if (!pTemplate->SaveAllModified()) return FALSE;
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession) {
    for (CDocTemplate* pTemplate : m_templateList) pTemplate->CloseAllDocuments(bEndSession);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow) {
    CWinApp* pApp = AfxGetApp();
    if (!pApp) return -1;
    INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    if (!pApp->InitApplication() || !pApp->InitInstance()) {
        if (pApp->m_pMainWnd && pApp->m_pMainWnd->m_hWnd) pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}
