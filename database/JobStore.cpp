#include "database/JobStore.h"

#include "database/DbMessages.h"
#include "database/SndToRpt.h"
#include "framework/core/MessageBox.h"
#include "model/CorvDoc.h"

void StoreJobInDatabase(CCorvDoc& doc, const CString& strNumber) {
    CSndToRpt writer(&doc, strNumber);
    if (!writer.Send()) AfxMessageBox(DbMsg::kDidNotUpdate, MB_OK);
}
