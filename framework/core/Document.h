// CDocument: the window-free half of a document: title, path, modified flag,
// and reading and writing the document's file through CArchive. Saving
// writes a new file beside the old one and replaces it only when the whole
// write succeeded, so a failed save never damages the previous file.
//
// The duties that need windows (the views, the save prompt, Save As with
// the file dialog, closing the frames) are handed to the installed
// CDocumentWindows (framework/core/DocumentWindows.h): the window layer
// installs its kind; without it a document has no views and asks nobody.
#pragma once

#include <vector>

#include "framework/core/Archive.h"
#include "framework/core/CmdTarget.h"
#include "framework/core/String.h"

class CView;
class CDocTemplate;
class CFrameWnd;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
    friend class CDocumentWindows;

public:
    CDocument() = default;
    ~CDocument() override;  // leaves its template's list

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const char* lpszTitle);  // also retitles the document's frames
    const CString& GetPathName() const { return m_strPathName; }
    // Sets the path and takes the file name as title; with bAddToMRU the
    // path enters the application's recent-file list.
    virtual void SetPathName(const char* lpszPathName, BOOL bAddToMRU = TRUE);

    BOOL IsModified() const { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified ? TRUE : FALSE; }

    // Document life cycle. OnOpenDocument and OnSaveDocument report their
    // failures through ReportSaveLoadException and return FALSE.
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(const char* lpszPathName);
    virtual BOOL OnSaveDocument(const char* lpszPathName);
    virtual void DeleteContents() {}
    virtual void ReportSaveLoadException(const char* lpszPathName, const CException& e, BOOL bSaving);

    // Closing. SaveModified asks "Save changes to %1?" (Yes/No/Cancel) for a
    // modified document and returns FALSE when the close must stop.
    // OnCloseDocument destroys the document's frames and, with
    // m_bAutoDelete, the document itself.
    virtual BOOL SaveModified();
    virtual void OnCloseDocument();
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    // Saves under lpszPathName, or asks for a name (Save As) when it is
    // null; bReplace makes the new name the document's path.
    virtual BOOL DoSave(const char* lpszPathName, BOOL bReplace = TRUE);
    BOOL DoFileSave();  // Save: to the path, or Save As when there is none

    // Views.
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& rPosition) const;
    const std::vector<CView*>& GetViews() const { return m_viewList; }
    virtual void OnChangedViewList();  // closes an auto-delete document that lost its last view
    // Calls OnUpdate of every view except pSender.
    virtual void UpdateAllViews(CView* pSender, long lHint = 0, CObject* pHint = nullptr);
    // Numbers the frames of a document shown in several ("Job:1", "Job:2").
    void UpdateFrameCounts();

    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    // File commands (ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS).
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

    CDocTemplate* m_pDocTemplate = nullptr;
    BOOL m_bAutoDelete = TRUE;  // deleted by OnCloseDocument / when its last view goes

protected:
    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified = FALSE;
    std::vector<CView*> m_viewList;

    // Puts the path into the application's recent-file list.
    void AddToRecentFiles();

    DECLARE_MESSAGE_MAP()
};
