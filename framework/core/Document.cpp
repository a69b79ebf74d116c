#include "framework/core/Document.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "framework/core/CoreMessages.h"
#include "framework/core/DocumentWindows.h"
#include "framework/core/File.h"
#include "framework/core/MessageBox.h"
#include "framework/core/SaveFile.h"
#include "framework/core/StdIds.h"

#ifdef _WIN32
#include <windows.h>
#endif

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

void CDocument::SetPathName(const char* lpszPathName, BOOL bAddToMRU) {
    m_strPathName = lpszPathName;
    CString title = m_strPathName;
    int slash = title.FindOneOf("\\/") >= 0 ? std::max(title.ReverseFind('\\'), title.ReverseFind('/')) : -1;
    if (slash >= 0) title = title.Mid(slash + 1);
    SetTitle(title);
    if (bAddToMRU) AddToRecentFiles();
}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const char* lpszPathName) {
    CFile file;
    CFileException fe;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary, &fe)) {
        ReportSaveLoadException(lpszPathName, fe, FALSE);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(TRUE);  // dirty while loading, in case it fails half-way
    try {
        // An empty file is not read at all: the document stays as it was made.
        if (file.GetLength() != 0) {
            CArchive ar(&file, CArchive::load);
            ar.m_strFileName = lpszPathName;
            Serialize(ar);
            ar.Close();
        }
        file.Close();
    } catch (const CException& e) {
        file.Abort();
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const char* lpszPathName) {
    const CString target(lpszPathName);
    CString temp;
    CFile file;
    CFileException fe;
    if (!CorvOpenSaveFile(target, file, temp, fe)) {
        ReportSaveLoadException(lpszPathName, fe, TRUE);
        return FALSE;
    }
    // Files of saves that were killed would stay for good, and fill the disk.
    CorvRemoveAbandonedSaveFiles(target, temp);
    try {
        CArchive ar(&file, CArchive::store);
        ar.m_strFileName = lpszPathName;
        Serialize(ar);
        ar.Close();
        // On the disk before it takes the job's place: a power cut after the
        // replace must not leave an empty job.
        file.FlushToDisk();
        file.Close();
        int cause = 0;
        if (!CorvReplaceFile(temp, target, &cause))
            AfxThrowFileException(CFileException::ErrnoToCause(cause), cause, lpszPathName);
    } catch (const CException& e) {
        file.Abort();
        std::remove(temp);
        if (e.IsKindOf(RUNTIME_CLASS(CFileException))) {
            // Told by the job's name, not by the name of the file of this save.
            CFileException named(static_cast<const CFileException&>(e));
            named.m_strFileName = lpszPathName;
            ReportSaveLoadException(lpszPathName, named, TRUE);
        } else {
            ReportSaveLoadException(lpszPathName, e, TRUE);
        }
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::ReportSaveLoadException(const char*, const CException& e, BOOL bSaving) {
    CString text;
    if (e.IsKindOf(RUNTIME_CLASS(CArchiveException))) {
        const auto& ae = static_cast<const CArchiveException&>(e);
        text = ae.m_cause == CArchiveException::endOfFile || ae.m_cause == CArchiveException::badIndex ||
                       ae.m_cause == CArchiveException::badClass ||
                       ae.m_cause == CArchiveException::badSchema ||
                       ae.m_cause == CArchiveException::genericException
                   ? CString(CoreMsg::kUnexpectedFileFormat)
                   : CString(bSaving ? CoreMsg::kFailedToSave : CoreMsg::kFailedToOpen);
    } else if (e.IsKindOf(RUNTIME_CLASS(CFileException))) {
        text = e.GetErrorMessage();
    } else {
        text = bSaving ? CoreMsg::kFailedToSave : CoreMsg::kFailedToOpen;
    }
    AfxMessageBox(text, MB_ICONEXCLAMATION);
}

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, &CDocument::OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, &CDocument::OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs)
END_MESSAGE_MAP()

// --- The duties handed to the installed windows ---

CDocument::~CDocument() { AfxGetDocumentWindows().Forget(*this); }

void CDocument::SetTitle(const char* lpszTitle) {
    m_strTitle = lpszTitle;
    UpdateFrameCounts();  // the frames show the new title
}

void CDocument::AddToRecentFiles() { AfxGetDocumentWindows().AddToRecentFiles(*this); }

void CDocument::AddView(CView* pView) { AfxGetDocumentWindows().AddView(*this, pView); }

void CDocument::RemoveView(CView* pView) { AfxGetDocumentWindows().RemoveView(*this, pView); }

void CDocument::OnChangedViewList() { AfxGetDocumentWindows().OnChangedViewList(*this); }

void CDocument::UpdateAllViews(CView* pSender, long lHint, CObject* pHint) {
    AfxGetDocumentWindows().UpdateAllViews(*this, pSender, lHint, pHint);
}

void CDocument::UpdateFrameCounts() { AfxGetDocumentWindows().UpdateFrameCounts(*this); }

BOOL CDocument::SaveModified() { return AfxGetDocumentWindows().SaveModified(*this); }

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame) {
    return AfxGetDocumentWindows().CanCloseFrame(*this, pFrame);
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

void CDocument::OnCloseDocument() { AfxGetDocumentWindows().OnCloseDocument(*this); }

BOOL CDocument::DoSave(const char* lpszPathName, BOOL bReplace) {
    return AfxGetDocumentWindows().DoSave(*this, lpszPathName, bReplace);
}

BOOL CDocument::DoFileSave() { return AfxGetDocumentWindows().DoFileSave(*this); }

// --- File commands ---

void CDocument::OnFileClose() {
    if (!SaveModified()) return;
    OnCloseDocument();
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(nullptr); }

// --- What a document does without windows ---

namespace {
CDocumentWindows* g_pDocumentWindows = nullptr;
}  // namespace

CDocumentWindows* AfxSetDocumentWindows(CDocumentWindows* pWindows) {
    CDocumentWindows* pPrevious = g_pDocumentWindows;
    g_pDocumentWindows = pWindows;
    return pPrevious;
}

CDocumentWindows& AfxGetDocumentWindows() {
    static CDocumentWindows windowFree;
    return g_pDocumentWindows ? *g_pDocumentWindows : windowFree;
}

std::vector<CView*>& CDocumentWindows::ViewList(CDocument& doc) { return doc.m_viewList; }

void CDocumentWindows::Forget(CDocument&) {}

void CDocumentWindows::AddToRecentFiles(CDocument&) {}

void CDocumentWindows::AddView(CDocument& doc, CView* pView) { doc.m_viewList.push_back(pView); }

void CDocumentWindows::RemoveView(CDocument& doc, CView* pView) {
    doc.m_viewList.erase(std::remove(doc.m_viewList.begin(), doc.m_viewList.end(), pView),
                         doc.m_viewList.end());
}

void CDocumentWindows::OnChangedViewList(CDocument&) {}

void CDocumentWindows::UpdateAllViews(CDocument&, CView*, long, CObject*) {}

void CDocumentWindows::UpdateFrameCounts(CDocument&) {}

// Nobody can be asked, so nothing is saved behind the caller's back: a
// modified document stops the close.
BOOL CDocumentWindows::SaveModified(CDocument& doc) { return !doc.IsModified(); }

BOOL CDocumentWindows::CanCloseFrame(CDocument& doc, CFrameWnd*) { return doc.SaveModified(); }

void CDocumentWindows::OnCloseDocument(CDocument& doc) {
    doc.DeleteContents();
    if (doc.m_bAutoDelete) delete &doc;
}

BOOL CDocumentWindows::DoSave(CDocument& doc, const char* lpszPathName, BOOL bReplace) {
    if (!lpszPathName || !*lpszPathName) return FALSE;
    if (!doc.OnSaveDocument(lpszPathName)) return FALSE;
    if (bReplace) doc.SetPathName(lpszPathName);
    return TRUE;
}

BOOL CDocumentWindows::DoFileSave(CDocument& doc) {
    return doc.DoSave(doc.m_strPathName.IsEmpty() ? nullptr : doc.m_strPathName.GetString());
}

POSITION CDocument::GetFirstViewPosition() const {
    return m_viewList.empty() ? nullptr : CorvPosFromIndex(0);
}

CView* CDocument::GetNextView(POSITION& rPosition) const {
    int i = CorvIndexFromPos(rPosition);
    CView* pView = m_viewList.at(static_cast<size_t>(i));
    rPosition = i + 1 < static_cast<int>(m_viewList.size()) ? CorvPosFromIndex(i + 1) : nullptr;
    return pView;
}
