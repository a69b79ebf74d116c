#include "framework/win/DocTemplate.h"

#include <algorithm>

#include "framework/core/CoreMessages.h"
#include "framework/core/Document.h"
#include "framework/core/MessageBox.h"
#include "framework/win/App.h"
#include "framework/win/DocumentWin.h"
#include "framework/win/Frame.h"
#include "framework/win/ResourceString.h"
#include "framework/win/WaitCursor.h"
#include "framework/win/WinMessages.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                           const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource),
      m_pDocClass(pDocClass),
      m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass) {
    AfxInstallDocumentWindows();
}

CDocTemplate::~CDocTemplate() {
    for (CDocument* pDoc : m_docList) pDoc->m_pDocTemplate = nullptr;
    if (m_hMenuShared) ::DestroyMenu(m_hMenuShared);
    if (m_hAccelTable) ::DestroyAcceleratorTable(m_hAccelTable);
}

void CDocTemplate::LoadTemplate() {
    if (m_bLoaded) return;
    m_bLoaded = TRUE;
    HINSTANCE hInst = AfxGetResourceHandle();
    if (m_strDocStrings.IsEmpty()) AfxLoadString(m_nIDResource, m_strDocStrings);
    if (::FindResourceA(hInst, MAKEINTRESOURCEA(m_nIDResource), reinterpret_cast<LPCSTR>(RT_MENU)))
        m_hMenuShared = ::LoadMenuA(hInst, MAKEINTRESOURCEA(m_nIDResource));
    m_hAccelTable = ::LoadAcceleratorsA(hInst, MAKEINTRESOURCEA(m_nIDResource));
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const {
    const_cast<CDocTemplate*>(this)->LoadTemplate();
    return AfxExtractSubString(rString, m_strDocStrings, index) && !rString.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument* pDoc) {
    m_docList.push_back(pDoc);
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc) {
    m_docList.erase(std::remove(m_docList.begin(), m_docList.end(), pDoc), m_docList.end());
    if (pDoc->m_pDocTemplate == this) pDoc->m_pDocTemplate = nullptr;
}

POSITION CDocTemplate::GetFirstDocPosition() const {
    return m_docList.empty() ? nullptr : CorvPosFromIndex(0);
}

CDocument* CDocTemplate::GetNextDoc(POSITION& rPos) const {
    int i = CorvIndexFromPos(rPos);
    CDocument* pDoc = m_docList.at(static_cast<size_t>(i));
    rPos = i + 1 < static_cast<int>(m_docList.size()) ? CorvPosFromIndex(i + 1) : nullptr;
    return pDoc;
}

CDocument* CDocTemplate::CreateNewDocument() {
    CObject* pObject = m_pDocClass ? m_pDocClass->CreateObject() : nullptr;
    auto* pDoc = dynamic_cast<CDocument*>(pObject);
    if (!pDoc) {
        delete pObject;
        return nullptr;
    }
    AddDocument(pDoc);
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) {
    LoadTemplate();
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    CObject* pObject = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
    auto* pFrame = dynamic_cast<CFrameWnd*>(pObject);
    if (!pFrame) {
        delete pObject;
        return nullptr;
    }
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) {
        delete pFrame;  // a frame that failed to be made is its creator's
        return nullptr;
    }
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible) {
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCSTR lpszPathName, CDocument*& rpDocMatch) {
    rpDocMatch = nullptr;
    for (CDocument* pDoc : m_docList) {
        if (!pDoc->GetPathName().IsEmpty() && lstrcmpiA(pDoc->GetPathName(), lpszPathName) == 0) {
            rpDocMatch = pDoc;
            return yesAlreadyOpen;
        }
    }
    CString ext;
    if (GetDocString(ext, filterExt)) {
        CString path = lpszPathName;
        if (path.GetLength() >= ext.GetLength() && path.Right(ext.GetLength()).CompareNoCase(ext) == 0)
            return yesAttemptNative;
    }
    return yesAttemptForeign;
}

BOOL CDocTemplate::SaveAllModified() {
    std::vector<CDocument*> docs = m_docList;
    for (CDocument* pDoc : docs)
        if (!pDoc->SaveModified()) return FALSE;
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL) {
    while (!m_docList.empty()) {
        CDocument* pDoc = m_docList.front();
        pDoc->OnCloseDocument();
        // A document that stays alive (not auto-deleting) leaves the list anyway.
        if (!m_docList.empty() && m_docList.front() == pDoc) RemoveDocument(pDoc);
    }
}

// --- Multiple documents ---

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                     const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument) {
    CString title;
    if (!GetDocString(title, docName)) title = WinMsg::kUntitled;
    title.AppendFormat("%u", m_nUntitledCount + 1);
    pDocument->SetTitle(title);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible) {
    CDocument* pDocument = CreateNewDocument();
    if (!pDocument) {
        AfxMessageBox(WinMsg::kFailedToCreateDoc, MB_ICONEXCLAMATION);
        return nullptr;
    }
    // The frame is made first (hidden), so that the document's own start
    // may already use its window; a failed start destroys it again.
    BOOL bAutoDelete = pDocument->m_bAutoDelete;
    pDocument->m_bAutoDelete = FALSE;
    CFrameWnd* pFrame = CreateNewFrame(pDocument, nullptr);
    pDocument->m_bAutoDelete = bAutoDelete;
    if (!pFrame) {
        AfxMessageBox(WinMsg::kFailedToCreateDoc, MB_ICONEXCLAMATION);
        RemoveDocument(pDocument);
        delete pDocument;
        return nullptr;
    }

    if (!lpszPathName) {
        SetDefaultTitle(pDocument);
        if (!pDocument->OnNewDocument()) {
            pFrame->DestroyWindow();  // takes the view and, with it, the document
            return nullptr;
        }
        ++m_nUntitledCount;
    } else {
        BOOL bOpened;
        {
            CWaitCursor wait;
            bOpened = pDocument->OnOpenDocument(lpszPathName);
        }
        if (!bOpened) {
            pFrame->DestroyWindow();
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}
