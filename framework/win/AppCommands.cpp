// The application's File commands and its documents.
#include <windows.h>

#include <commdlg.h>

#include "framework/core/CoreMessages.h"
#include "framework/core/Document.h"
#include "framework/core/MessageBox.h"
#include "framework/core/StringArray.h"
#include "framework/win/App.h"
#include "framework/win/CommandLine.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/FileDialog.h"
#include "framework/win/Frame.h"
#include "framework/win/MDI.h"
#include "framework/win/PrintDialog.h"
#include "framework/win/RecentFileList.h"
#include "framework/win/View.h"
#include "framework/win/WinMessages.h"

namespace {

// The path without the double quotes a shell may wrap it in, made full.
CString CleanPath(LPCSTR lpszFileName) {
    CString path = lpszFileName;
    path.Trim();
    if (path.GetLength() >= 1 && path[0] == '"') path = path.Mid(1);
    int nQuote = path.Find('"');
    if (nQuote >= 0) path = path.Left(nQuote);
    char full[MAX_PATH * 4];
    DWORD n = ::GetFullPathNameA(path, sizeof full, full, nullptr);
    return n > 0 && n < sizeof full ? CString(full) : path;
}

}  // namespace

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName) {
    if (!lpszFileName || !*lpszFileName) return nullptr;
    CString path = CleanPath(lpszFileName);
    CDocTemplate* pBest = nullptr;
    CDocTemplate::Confidence best = CDocTemplate::noAttempt;
    CDocument* pOpen = nullptr;
    for (CDocTemplate* pTemplate : m_templateList) {
        CDocument* pMatch = nullptr;
        CDocTemplate::Confidence match = pTemplate->MatchDocType(path, pMatch);
        if (match > best) {
            best = match;
            pBest = pTemplate;
            pOpen = match == CDocTemplate::yesAlreadyOpen ? pMatch : nullptr;
        }
    }
    if (pOpen) {
        // Already open: its window comes to the front instead.
        if (!pOpen->GetViews().empty()) {
            CFrameWnd* pFrame = pOpen->GetViews().front()->GetParentFrame();
            if (pFrame) pFrame->ActivateFrame();
        }
        return pOpen;
    }
    if (!pBest) {
        AfxMessageBox(CoreMsg::kFailedToOpen, MB_ICONEXCLAMATION);
        return nullptr;
    }
    return pBest->OpenDocumentFile(path);
}

void CWinApp::AddToRecentFileList(LPCSTR lpszPathName) {
    if (m_pRecentFileList && lpszPathName && *lpszPathName) m_pRecentFileList->Add(lpszPathName);
}

BOOL CWinApp::DoPromptFileName(CString& fileName, LPCSTR lpszTitle, DWORD lFlags, BOOL bOpenFileDialog,
                               CDocTemplate* pTemplate) {
    // One filter per template (or the given one), then all files.
    CString filter, defExt;
    for (CDocTemplate* pCandidate : m_templateList) {
        if (pTemplate && pCandidate != pTemplate) continue;
        CString name, ext;
        if (!pCandidate->GetDocString(name, CDocTemplate::filterName) ||
            !pCandidate->GetDocString(ext, CDocTemplate::filterExt))
            continue;
        filter += name + "|*" + ext + "|";
        if (defExt.IsEmpty()) defExt = ext.Mid(ext[0] == '.' ? 1 : 0);
    }
    filter += CString(WinMsg::kAllFilesFilter) + "|*.*||";
    CFileDialog dlg(bOpenFileDialog, defExt.IsEmpty() ? nullptr : defExt.GetString(), fileName,
                    lFlags | (bOpenFileDialog ? 0 : OFN_OVERWRITEPROMPT), filter);
    dlg.m_ofn.lpstrTitle = lpszTitle;
    if (dlg.DoModal() != IDOK) return FALSE;
    fileName = dlg.GetPathName();
    return TRUE;
}

void CWinApp::OnFileNew() {
    if (m_templateList.empty()) return;
    m_templateList.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen() {
    CString newName;
    if (!DoPromptFileName(newName, WinMsg::kOpenTitle, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, nullptr))
        return;
    OpenDocumentFile(newName);
}

void CWinApp::OnAppExit() {
    if (m_pMainWnd && m_pMainWnd->m_hWnd) m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnFilePrintSetup() {
    // The dialog keeps the printer chosen in the application.
    CPrintDialog dlg(TRUE);
    if (dlg.DoModal() != IDOK && dlg.GetLastError() == PDERR_NODEFAULTPRN)
        AfxMessageBox(WinMsg::kNoPrinter, MB_ICONEXCLAMATION);
}

BOOL CWinApp::OnOpenRecentFile(UINT nID) {
    if (!m_pRecentFileList) return FALSE;
    int nIndex = static_cast<int>(nID - ID_FILE_MRU_FILE1);
    if (nIndex < 0 || nIndex >= m_pRecentFileList->GetSize() || (*m_pRecentFileList)[nIndex].IsEmpty())
        return FALSE;
    // A file that no longer opens leaves the list.
    if (!OpenDocumentFile((*m_pRecentFileList)[nIndex])) m_pRecentFileList->Remove(nIndex);
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI) {
    if (!m_pRecentFileList) {
        pCmdUI->Enable(FALSE);
        return;
    }
    m_pRecentFileList->UpdateMenu(pCmdUI);
}

// --- Command line ---

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
    CStringArray args;
    CCommandLineInfo::SplitArguments(m_lpCmdLine, args);
    for (int i = 0; i < args.GetSize(); ++i) {
        const CString& arg = args[i];
        BOOL bFlag = arg.GetLength() > 0 && (arg[0] == '-' || arg[0] == '/');
        rCmdInfo.ParseParam(bFlag ? arg.GetString() + 1 : arg.GetString(), bFlag, i + 1 == args.GetSize());
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo) {
    switch (rCmdInfo.m_nShellCommand) {
        case CCommandLineInfo::FileNew:
            OnFileNew();
            return m_pMainWnd != nullptr;
        case CCommandLineInfo::FileOpen:
            return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
        default:
            return TRUE;
    }
}
