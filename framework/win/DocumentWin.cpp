// What a document does with windows: its views and frames, the save
// prompt, Save As with the file dialog and the recent-file list. Installed
// for every document when an application object or a template is made.
#include "framework/win/DocumentWin.h"

#include <windows.h>

#include <commdlg.h>

#include <algorithm>

#include "framework/core/Document.h"
#include "framework/core/DocumentWindows.h"
#include "framework/core/MessageBox.h"
#include "framework/win/App.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/Frame.h"
#include "framework/win/ResourceString.h"
#include "framework/win/View.h"
#include "framework/win/WaitCursor.h"
#include "framework/win/WinMessages.h"

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

class CWinDocumentWindows : public CDocumentWindows {
public:
    void Forget(CDocument& doc) override;
    void AddToRecentFiles(CDocument& doc) override;
    void AddView(CDocument& doc, CView* pView) override;
    void RemoveView(CDocument& doc, CView* pView) override;
    void OnChangedViewList(CDocument& doc) override;
    void UpdateAllViews(CDocument& doc, CView* pSender, long lHint, CObject* pHint) override;
    void UpdateFrameCounts(CDocument& doc) override;
    BOOL SaveModified(CDocument& doc) override;
    BOOL CanCloseFrame(CDocument& doc, CFrameWnd* pFrame) override;
    void OnCloseDocument(CDocument& doc) override;
    BOOL DoSave(CDocument& doc, const char* lpszPathName, BOOL bReplace) override;
    BOOL DoFileSave(CDocument& doc) override;
};

}  // namespace

void AfxInstallDocumentWindows() {
    static CWinDocumentWindows windows;
    AfxSetDocumentWindows(&windows);
}

void CWinDocumentWindows::Forget(CDocument& doc) {
    for (CView* pView : ViewList(doc)) pView->m_pDocument = nullptr;
    if (doc.m_pDocTemplate) doc.m_pDocTemplate->RemoveDocument(&doc);
}

void CWinDocumentWindows::AddToRecentFiles(CDocument& doc) {
    if (CWinApp* pApp = AfxGetApp()) pApp->AddToRecentFileList(doc.GetPathName());
}

// --- Views ---

void CWinDocumentWindows::AddView(CDocument& doc, CView* pView) {
    std::vector<CView*>& views = ViewList(doc);
    if (std::find(views.begin(), views.end(), pView) != views.end()) return;
    views.push_back(pView);
    pView->m_pDocument = &doc;
    doc.OnChangedViewList();
}

void CWinDocumentWindows::RemoveView(CDocument& doc, CView* pView) {
    std::vector<CView*>& views = ViewList(doc);
    auto it = std::find(views.begin(), views.end(), pView);
    if (it == views.end()) return;
    views.erase(it);
    pView->m_pDocument = nullptr;
    doc.OnChangedViewList();
}

void CWinDocumentWindows::OnChangedViewList(CDocument& doc) {
    if (ViewList(doc).empty() && doc.m_bAutoDelete) {
        doc.OnCloseDocument();
        return;
    }
    doc.UpdateFrameCounts();
}

void CWinDocumentWindows::UpdateAllViews(CDocument& doc, CView* pSender, long lHint, CObject* pHint) {
    const std::vector<CView*>& current = ViewList(doc);
    std::vector<CView*> views = current;  // a view may go away while it updates
    for (CView* pView : views)
        if (pView != pSender && std::find(current.begin(), current.end(), pView) != current.end())
            pView->OnUpdate(pSender, lHint, pHint);
}

void CWinDocumentWindows::UpdateFrameCounts(CDocument& doc) {
    // The frames that show this document, in view order; with more than
    // one, each is numbered (":1", ":2") after the title.
    std::vector<CFrameWnd*> frames;
    for (CView* pView : ViewList(doc)) {
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

BOOL CWinDocumentWindows::SaveModified(CDocument& doc) {
    if (!doc.IsModified()) return TRUE;
    const CString& path = doc.GetPathName();
    CString name;
    if (path.IsEmpty()) {
        name = doc.GetTitle().IsEmpty() ? CString(WinMsg::kUntitled) : doc.GetTitle();
    } else {
        // The file's title as the system shows it.
        char title[MAX_PATH] = "";
        name = ::GetFileTitleA(path, title, sizeof title) == 0 ? CString(title) : path;
    }
    CString prompt;
    AfxFormatString1(prompt, WinMsg::kAskToSave, name);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL)) {
        case IDCANCEL:
            return FALSE;
        case IDYES:
            return doc.DoFileSave();
        default:
            return TRUE;  // No: close without saving
    }
}

BOOL CWinDocumentWindows::CanCloseFrame(CDocument& doc, CFrameWnd* pFrame) {
    // Another frame still shows the document: nothing to ask.
    for (CView* pView : ViewList(doc))
        if (pView->GetParentFrame() != pFrame) return TRUE;
    return doc.SaveModified();
}

void CWinDocumentWindows::OnCloseDocument(CDocument& doc) {
    // Destroying the frames destroys the views; the document must outlive that.
    std::vector<CView*>& views = ViewList(doc);
    BOOL bAutoDelete = doc.m_bAutoDelete;
    doc.m_bAutoDelete = FALSE;
    while (!views.empty()) {
        CView* pView = views.front();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame) {
            doc.PreCloseFrame(pFrame);
            pFrame->DestroyWindow();
        } else {
            pView->DestroyWindow();
        }
        if (!views.empty() && views.front() == pView) doc.RemoveView(pView);
    }
    doc.m_bAutoDelete = bAutoDelete;
    doc.DeleteContents();
    if (doc.m_bAutoDelete) delete &doc;
}

// --- Saving ---

BOOL CWinDocumentWindows::DoFileSave(CDocument& doc) {
    const CString& path = doc.GetPathName();
    DWORD dwAttrib = path.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(path);
    // A read-only file, or one that has no path yet, is saved under a new name.
    if (path.IsEmpty() || (dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY)))
        return doc.DoSave(nullptr);
    return doc.DoSave(path);
}

BOOL CWinDocumentWindows::DoSave(CDocument& doc, const char* lpszPathName, BOOL bReplace) {
    CString newName = lpszPathName;
    if (newName.IsEmpty()) {
        newName = doc.GetPathName();
        if (bReplace && newName.IsEmpty()) {
            newName = FileNameFromTitle(doc.GetTitle());
            CString ext;
            if (doc.m_pDocTemplate && doc.m_pDocTemplate->GetDocString(ext, CDocTemplate::filterExt))
                newName += ext;
        }
        CWinApp* pApp = AfxGetApp();
        if (!pApp || !pApp->DoPromptFileName(newName, WinMsg::kSaveAsTitle,
                                             OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, doc.m_pDocTemplate))
            return FALSE;
    }
    BOOL bSaved;
    {
        CWaitCursor wait;
        // A failed save has reported itself and left the previous file as it was.
        bSaved = doc.OnSaveDocument(newName);
    }
    if (!bSaved) return FALSE;
    if (bReplace) doc.SetPathName(newName);
    return TRUE;
}
