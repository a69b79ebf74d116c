// CDocumentWindows: what a document does through windows: its views and
// frames, the save prompt, Save As with the file dialog and the recent-file
// list. CDocument hands each of these duties to the installed object.
//
// This base is what a document does without windows (no views, no frames,
// no prompts: a modified document stops a close, and it saves only under a
// name it already has). The window layer installs its own kind when an
// application object or a document template is made.
#pragma once

#include <vector>

#include "framework/core/String.h"

class CDocument;
class CFrameWnd;
class CObject;
class CView;

class CDocumentWindows {
public:
    virtual ~CDocumentWindows() = default;

    // The document is being destroyed: its views and template forget it.
    virtual void Forget(CDocument& doc);
    virtual void AddToRecentFiles(CDocument& doc);

    virtual void AddView(CDocument& doc, CView* pView);
    virtual void RemoveView(CDocument& doc, CView* pView);
    virtual void OnChangedViewList(CDocument& doc);
    virtual void UpdateAllViews(CDocument& doc, CView* pSender, long lHint, CObject* pHint);
    virtual void UpdateFrameCounts(CDocument& doc);

    virtual BOOL SaveModified(CDocument& doc);
    virtual BOOL CanCloseFrame(CDocument& doc, CFrameWnd* pFrame);
    // Closes the document's frames and views, empties it and, with
    // m_bAutoDelete, deletes it.
    virtual void OnCloseDocument(CDocument& doc);
    virtual BOOL DoSave(CDocument& doc, const char* lpszPathName, BOOL bReplace);
    virtual BOOL DoFileSave(CDocument& doc);

protected:
    // The document's list of views, for the kinds that keep it.
    static std::vector<CView*>& ViewList(CDocument& doc);
};

// Installs the duties all documents use (null: the window-free ones);
// returns the ones replaced.
CDocumentWindows* AfxSetDocumentWindows(CDocumentWindows* pWindows);
// The installed duties, or the window-free ones.
CDocumentWindows& AfxGetDocumentWindows();
