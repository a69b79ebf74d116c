// Document templates: what binds a document class to its frame and view
// classes and to the resources of its windows (menu, icon, accelerators and
// the document string, all under one resource id).
//
// The document string has seven '\n'-separated parts: window title,
// document name, file-new name, filter name, filter extension, shell file
// type id and shell file type name, e.g.
// "\nUnassigned\nCORV Document\nCorvantis Files (*.job)\n.job\nCorvZoroFileType\nCorvZoro File Type".
// A new document is titled with the document name followed by the running
// count of new documents made since start-up ("Unassigned1", "Unassigned2").
#pragma once

#include <vector>

#include "framework/core/CmdTarget.h"
#include "framework/core/String.h"
#include "framework/win/Wnd.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };
    // How well a file fits this template (MatchDocType).
    enum Confidence {
        noAttempt,
        maybeAttemptForeign,
        maybeAttemptNative,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen
    };

    ~CDocTemplate() override;

    // Loads the document string, menu and accelerators (once).
    virtual void LoadTemplate();
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;

    // Documents of this template, in the order they were made.
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    POSITION GetFirstDocPosition() const;
    CDocument* GetNextDoc(POSITION& rPos) const;
    const std::vector<CDocument*>& GetDocuments() const { return m_docList; }

    virtual CDocument* CreateNewDocument();
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    // New document (path null) or open the file, in a new frame. Failures
    // are reported by the document; nothing of a failed one remains.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;
    virtual Confidence MatchDocType(LPCSTR lpszPathName, CDocument*& rpDocMatch);

    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);

    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    HMENU m_hMenuShared = nullptr;
    HACCEL m_hAccelTable = nullptr;
    CString m_strDocStrings;

protected:
    CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                 const CRuntimeClass* pViewClass);

    std::vector<CDocument*> m_docList;
    BOOL m_bLoaded = FALSE;
};

class CMultiDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                      const CRuntimeClass* pViewClass);

    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    void SetDefaultTitle(CDocument* pDocument) override;

    UINT m_nUntitledCount = 0;  // new documents made so far
};
