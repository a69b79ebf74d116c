// CWinApp: the application object. The program defines exactly one
// global instance of its subclass; the layer's WinMain (WinMain.cpp, the
// corv_winmain library) runs its InitInstance and then its message loop.
//
// Profile: GetProfileString/WriteProfileString and the Int forms read and
// write the INI file m_pszProfileName, by default the executable's name
// with ".INI" (a bare name, so the system keeps it in the Windows
// directory). Set it with SetProfileName (a full path, e.g. for tests).
#pragma once

#include <vector>

#include "framework/core/CmdTarget.h"
#include "framework/core/String.h"
#include "framework/win/Wnd.h"

class CCommandLineInfo;
class CDocTemplate;
class CDocument;
class CRecentFileList;

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // --- Start, loop, end ---
    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    // The message loop until WM_QUIT; returns ExitInstance().
    virtual int Run();
    // Idle time: updates the bars' command UI and frees temporary objects.
    // Returns TRUE while it wants more idle calls.
    virtual BOOL OnIdle(LONG lCount);
    // Saves the recent-file list; returns the exit code.
    virtual int ExitInstance();
    // Offered every message of the loop first: then the windows from the
    // message's target up to the main window.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // One message from the queue: FALSE on WM_QUIT.
    BOOL PumpMessage();
    // TRUE while Run() is looping (closing the main window then ends the program).
    BOOL InMessageLoop() const { return m_bInRun; }

    HINSTANCE m_hInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWDEFAULT;
    CWnd* m_pMainWnd = nullptr;
    LPCSTR m_pszAppName = nullptr;
    LPCSTR m_pszExeName = nullptr;
    LPCSTR m_pszProfileName = nullptr;
    int m_nExitCode = 0;

    // --- Profile (INI file) ---
    // The value whole, whatever its length; lpszDefault (or "") when missing.
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // A null lpszValue deletes the key; a null lpszEntry deletes the section.
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    void SetProfileName(LPCSTR lpszProfileName);
    // The INI file's full path (a bare name lives in the Windows directory).
    CString GetProfilePath() const;
    // Reads the recent-file list (nMaxMRU entries, 0 for none) from the profile.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();

    // --- Documents ---
    void AddDocTemplate(CDocTemplate* pTemplate);  // owned by the application
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& rPos) const;
    // Opens the file in the template whose extension it has, or activates
    // the window of the document that already has it open. Null on failure.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    virtual void AddToRecentFileList(LPCSTR lpszPathName);
    CRecentFileList* GetRecentFileList() const { return m_pRecentFileList; }
    // Runs the Open (bOpenFileDialog) or Save As dialog with the filters
    // of the templates; returns FALSE when cancelled.
    BOOL DoPromptFileName(CString& fileName, LPCSTR lpszTitle, DWORD lFlags, BOOL bOpenFileDialog,
                          CDocTemplate* pTemplate);
    BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    int GetOpenDocumentCount() const;

    // --- Command line and shell ---
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    // Lets the shell open the program's files by double-click ("%1" on the command line).
    void EnableShellOpen();
    // Registers each template's file type (extension, type id and name,
    // icon, and with EnableShellOpen the open command) for the current user.
    void RegisterShellFileTypes(BOOL bCompat = FALSE);

    // --- Resources ---
    HICON LoadIcon(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const { return ::LoadCursorA(nullptr, lpszCursorName); }

    // --- Commands (map them in the application's message map) ---
    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppExit();
    BOOL OnOpenRecentFile(UINT nID);
    void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

    // Printer chosen in Print Setup (global handles, null until chosen).
    HGLOBAL m_hDevMode = nullptr;
    HGLOBAL m_hDevNames = nullptr;

protected:
    std::vector<CDocTemplate*> m_templateList;
    CRecentFileList* m_pRecentFileList = nullptr;
    BOOL m_bShellOpen = FALSE;
    BOOL m_bInRun = FALSE;  // the message loop runs: closing the main window ends it
    CString m_strAppName;
    CString m_strExeName;
    CString m_strProfileName;

    DECLARE_MESSAGE_MAP()
};

// The one application object, its main window and its module.
CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

// What the layer's WinMain does (exposed for programs with their own entry point).
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
