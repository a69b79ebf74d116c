// The job's Store and Store As commands: the job goes into the quotation
// database through its writer; the .job file is not written.
#include "database/DbMessages.h"
#include "database/SndToRpt.h"
#include "framework/core/MessageBox.h"
#include "model/CorvDoc.h"

namespace {

void StoreJob(CCorvDoc& doc, const CString& strNumber) {
    // Text typed into a cell and not yet committed belongs to what is stored.
    doc.CommitEdits();
    CSndToRpt writer(&doc, strNumber);
    if (!writer.Send()) AfxMessageBox(DbMsg::kDidNotUpdate, MB_OK);
}

}  // namespace

void CCorvDoc::OnFileStore() { StoreJob(*this, GetCorvNumber()); }

void CCorvDoc::OnFileStoreAs() {
    // Always added as a new quotation; the rows stored under the old number stay.
    StoreJob(*this, DbMsg::kUnassignedNumber);
}
