#include "database/RecordWriter.h"

#include "database/Connection.h"
#include "database/DbMessages.h"
#include "database/DbWaitCursor.h"
#include "database/SqlValueError.h"
#include "framework/core/MessageBox.h"
#include "framework/db/DBException.h"
#include "framework/db/Database.h"

BOOL SendRecord(const CRecordWriterTexts& texts, const CRecordWriterSteps& steps, const CString& strNumber,
                const CString& strWhere) {
    CDbWaitCursor wait;
    CDatabase db;
    try {
        if (!db.OpenEx(CorvConnectString(), 0)) {
            wait.End();
            AfxMessageBox(texts.pszCouldNotOpen, MB_OK);
            return FALSE;
        }
        // A refused value ends the dialogue before it begins.
        CString strInsert;
        try {
            strInsert = steps.insertSql(&db);
        } catch (CSqlValueException& e) {
            wait.End();
            AfxMessageBox(e.GetErrorMessage(), MB_OK);
            db.Close();
            return FALSE;
        }
        const CString strN = strNumber;
        if (steps.exists(&db, strWhere)) {
            if (AfxMessageBox(texts.pszUpdateQuestion + strN + texts.pszUpdateQuestionEnd,
                              MB_YESNO | MB_ICONQUESTION) == IDYES) {
                // Delete and insert succeed together or not at all, so a
                // refused insert never loses the stored record.
                const BOOL bTransaction = db.CanTransact() && db.BeginTrans();
                try {
                    steps.remove(&db, strWhere);
                    db.ExecuteSQL(strInsert);
                    if (bTransaction) db.CommitTrans();
                } catch (CDBException&) {
                    if (bTransaction && db.IsInTransaction()) {
                        try {
                            db.Rollback();
                        } catch (CDBException&) {
                            // Closing the connection abandons the transaction as well.
                        }
                    }
                    throw;
                }
                wait.End();
                AfxMessageBox(texts.pszUpdatedPrefix + strN + texts.pszUpdated, MB_OK);
            } else if (AfxMessageBox(texts.pszDeleteQuestion + strN + texts.pszDeleteQuestionEnd,
                                     MB_YESNO | MB_ICONQUESTION) == IDYES) {
                steps.remove(&db, strWhere);
                wait.End();
                AfxMessageBox(texts.pszDeletedPrefix + strN + texts.pszDeleted, MB_OK);
            } else {
                db.Close();
                return FALSE;
            }
        } else {
            if (AfxMessageBox(texts.pszAddQuestion + strN + DbMsg::kQuote, MB_YESNO | MB_ICONQUESTION) !=
                IDYES) {
                db.Close();
                return FALSE;
            }
            db.ExecuteSQL(strInsert);
            wait.End();
            AfxMessageBox(texts.pszAddedPrefix + strN + texts.pszAdded, MB_OK);
        }
        db.Close();
        return TRUE;
    } catch (CDBException& e) {
        wait.End();
        AfxMessageBox(e.GetErrorMessage(), MB_OK);
        db.Close();
        return FALSE;
    }
}
