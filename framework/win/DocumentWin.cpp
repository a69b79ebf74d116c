// What a document does with windows: its views and frames, the save
// prompt, Save As with the file dialog, and the File commands.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>

#include "framework/core/Document.h"
#include "framework/core/MessageBox.h"
#include "framework/win/App.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/Frame.h"
#include "framework/win/ResourceString.h"
#include "framework/win/View.h"
#include "framework/win/WaitCursor.h"
#include "framework/win/WinMessages.h"

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, &CDocument::OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, &CDocument::OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs)
END_MESSAGE_MAP()

namespace {

// A file name made from a title: the characters a file name cannot hold
// are left out (a stored job's title holds ':').
CString FileNameFromTitle(const CString& title) {
    CString name;
    for (int i = 0; i < title.GetLength(); ++i) {
        char ch = title[i];
        if (static_cast<unsigned char>(ch) < 32 || strchr("\\/:*?\"<>|", ch)) continue;
        name += ch;
    }
    name.Trim();
    name.TrimRight('.');
    return name;
}

}  // namespace

CDocument::~CDocument() {
    for (CView* pView : m_viewList) pView->m_pDocument = nullptr;
    if (m_pDocTemplate) m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(const char* lpszTitle) {
    m_strTitle = lpszTitle;
    UpdateFrameCounts();  // the frames show the new title
}

void CDocument::AddToRecentFiles() {
    if (CWinApp* pApp = AfxGetApp()) pApp->AddToRecentFileList(m_strPathName);
}

// --- Views ---

void CDocument::AddView(CView* pView) {
    if (std::find(m_viewList.begin(), m_viewList.end(), pView) != m_viewList.end()) return;
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView) {
    auto it = std::find(m_viewList.begin(), m_viewList.end(), pView);
    if (it == m_viewList.end()) return;
    m_viewList.erase(it);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList() {
    if (m_viewList.empty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateAllViews(CView* pSender, long lHint, CObject* pHint) {
    std::vector<CView*> views = m_viewList;  // a view may go away while it updates
    for (CView* pView : views)
        if (pView != pSender && std::find(m_viewList.begin(), m_viewList.end(), pView) != m_viewList.end())
            pView->OnUpdate(pSender, lHint, pHint);
}

void CDocument::UpdateFrameCounts() {
    // The frames that show this document, in view order; with more than
    // one, each is numbered (":1", ":2") after the title.
    std::vector<CFrameWnd*> frames;
    for (CView* pView : m_viewList) {
        CFrameWnd* pFrame = pView->m_hWnd ? pView->GetParentFrame() : nullptr;
        if (pFrame && std::find(frames.begin(), frames.end(), pFrame) == frames.end())
            frames.push_back(pFrame);
    }
    int n = 0;
    for (CFrameWnd* pFrame : frames) {
        pFrame->m_nWindow = frames.size() > 1 ? ++n : 0;
        pFrame->OnUpdateFrameTitle(TRUE);
    }
}

// --- Closing ---

BOOL CDocument::SaveModified() {
    if (!IsModified()) return TRUE;
    CString name;
    if (m_strPathName.IsEmpty()) {
        name = m_strTitle.IsEmpty() ? CString(WinMsg::kUntitled) : m_strTitle;
    } else {
        // The file's title as the system shows it.
        char title[MAX_PATH] = "";
        name = ::GetFileTitleA(m_strPathName, title, sizeof title) == 0 ? CString(title) : m_strPathName;
    }
    CString prompt;
    AfxFormatString1(prompt, WinMsg::kAskToSave, name);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL)) {
        case IDCANCEL:
            return FALSE;
        case IDYES:
            return DoFileSave();
        default:
            return TRUE;  // No: close without saving
    }
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame) {
    // Another frame still shows the document: nothing to ask.
    for (CView* pView : m_viewList)
        if (pView->GetParentFrame() != pFrame) return TRUE;
    return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

void CDocument::OnCloseDocument() {
    // Destroying the frames destroys the views; the document must outlive that.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.empty()) {
        CView* pView = m_viewList.front();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame) {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow();
        } else {
            pView->DestroyWindow();
        }
        if (!m_viewList.empty() && m_viewList.front() == pView) RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete) delete this;
}

// --- Saving ---

BOOL CDocument::DoFileSave() {
    DWORD dwAttrib = m_strPathName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(m_strPathName);
    // A read-only file, or one that has no path yet, is saved under a new name.
    if (m_strPathName.IsEmpty() ||
        (dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY)))
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(const char* lpszPathName, BOOL bReplace) {
    CString newName = lpszPathName;
    if (newName.IsEmpty()) {
        newName = m_strPathName;
        if (bReplace && newName.IsEmpty()) {
            newName = FileNameFromTitle(m_strTitle);
            CString ext;
            if (m_pDocTemplate && m_pDocTemplate->GetDocString(ext, CDocTemplate::filterExt)) newName += ext;
        }
        CWinApp* pApp = AfxGetApp();
        if (!pApp || !pApp->DoPromptFileName(newName, WinMsg::kSaveAsTitle,
                                             OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, m_pDocTemplate))
            return FALSE;
    }
    BOOL bSaved;
    {
        CWaitCursor wait;
        // A failed save has reported itself and left the previous file as it was.
        bSaved = OnSaveDocument(newName);
    }
    if (!bSaved) return FALSE;
    if (bReplace) SetPathName(newName);
    return TRUE;
}

// --- File commands ---

void CDocument::OnFileClose() {
    if (!SaveModified()) return;
    OnCloseDocument();
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(nullptr); }
