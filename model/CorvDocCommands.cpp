// The job document's commands and the steps of its life that reach beyond
// the model: starting a new job, committing the views' open edits before
// the job is written, closed or stored, Store and Store As, and the
// enabling of Save. What they need of the windows, the settings and the
// database they ask of the installed job duties.
#include "model/CorvDoc.h"
#include "model/JobDuties.h"
#include "model/NewJobDefaults.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CCorvDoc, CDocument)
    ON_COMMAND(ID_FILE_CLOSE, &CCorvDoc::OnFileClose)
    ON_COMMAND(ID_FILE_STORE, &CCorvDoc::OnFileStore)
    ON_COMMAND(ID_FILE_STORE_AS, &CCorvDoc::OnFileStoreAs)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, &CCorvDoc::OnUpdateFileSave)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, &CCorvDoc::OnUpdateFileSaveAs)
END_MESSAGE_MAP()

BOOL CCorvDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return FALSE;
    InitNewJob();
    return TRUE;
}

void CCorvDoc::InitNewJob() {
    if (const auto& initNewJob = CorvJobDuties().initNewJob) initNewJob(*this);
}

void CCorvDoc::CommitEdits() {
    if (const auto& commitEdits = CorvJobDuties().commitEdits) commitEdits(*this);
}

BOOL CCorvDoc::SaveModified() {
    CommitEdits();
    return CDocument::SaveModified();
}

void CCorvDoc::OnFileClose() {
    CommitEdits();
    CDocument::OnFileClose();
}

void CCorvDoc::OnFileStore() { Store(GetCorvNumber()); }

// Always added as a new quotation; the rows stored under the old number stay.
void CCorvDoc::OnFileStoreAs() { Store(kUnassignedNumber); }

void CCorvDoc::Store(const CString& strNumber) {
    // Text typed into a cell and not yet committed belongs to what is stored.
    CommitEdits();
    if (const auto& store = CorvJobDuties().store) store(*this, strNumber);
}

void CCorvDoc::OnUpdateFileSave(CCmdUI* pCmdUI) { pCmdUI->Enable(IsModified()); }

// Save As stays enabled on every job.
void CCorvDoc::OnUpdateFileSaveAs(CCmdUI*) {}
