// CSndToRpt: stores one whole job in the quotation database - its Project
// row, its Summary rows and their Detail rows, keyed by the job number. It
// replaces or deletes a stored job, or adds the job under a number drawn
// from the numbers table, each after a Yes/No question and inside a
// transaction, and gives the job its number and title on success.
#pragma once

#include <functional>
#include <vector>

#include "database/SndTo.h"
#include "database/SqlInsert.h"
#include "framework/core/String.h"

class CCorvDoc;
class CDatabase;
class CDbEngine;
class CTable;

class CSndToRpt : public CSndTo {
    DECLARE_DYNAMIC(CSndToRpt)
public:
    // strNumber: the job's number, or "Unassigned" to add it as new. Only a
    // text that reads wholly as a non-zero integer counts as stored; the
    // number then goes into SQL as that integer.
    CSndToRpt(CCorvDoc* pDoc, const CString& strNumber);
    ~CSndToRpt() override = default;

    // Runs the store. TRUE only when the database was changed; FALSE when it
    // did not open, the user said No, a value was refused before anything
    // was sent, or the change failed and was rolled back.
    BOOL Send();

    // Each on an open database. DeleteRows and Replace first wait for their
    // turn at the job's rows, so stores of one job never interleave.
    BOOL Exists(CDatabase* pDb);
    BOOL DeleteRows(CDatabase* pDb, const CString& strWhere);
    BOOL Replace(CDatabase* pDb, const CString& strWhere);
    BOOL AddNew(CDatabase* pDb);
    BOOL GetNewNumber(CDatabase* pDb);
    CString GetTitle();

    // The row statements, executed on the open database under the current
    // number: the Project row; then each written Summary line's row with
    // its Detail rows; or the Detail rows of one Summary line. The rows are
    // built once per store; a refused value raises CSqlValueException
    // before any row is sent, a driver error CDBException.
    void InsertProject(CDatabase* pDb);
    void InsertSummary(CDatabase* pDb);
    void InsertDetails(CString strSumLineNo, CTable* pDetails, CDatabase* pDb);

    // Every statement of the job's rows in the order they are sent, built
    // for the engine under the current number (a refused value raises
    // CSqlValueException).
    std::vector<CString> BuildStatements(const CDbEngine& engine);

    CCorvDoc* m_pDoc;
    CString m_strNumber;
    BOOL m_bInDb;
    CString m_strDbName;

private:
    using Sink = std::function<void(const CRowStatement&)>;
    void BuildProject(const CDbEngine& engine, const Sink& sink);
    void BuildSummary(const CDbEngine& engine, const Sink& sink);
    void BuildDetails(const CDbEngine& engine, const CString& strSumLineNo, CTable* pDetails,
                      const Sink& sink);
    // The job's rows for the connection's engine, built on first use.
    const std::vector<CRowStatement>& Rows(CDatabase* pDb);

    // Runs one change inside a transaction where the database offers one:
    // committed when it reports success, rolled back otherwise.
    BOOL RunChange(CDatabase& db, const std::function<BOOL()>& change);
    CString Where() const;

    // The road of a number the Project table holds: the questions, then
    // the replace or the delete, each in a transaction of its own.
    enum class Outcome { Changed, NotChanged, AskAgain };
    Outcome ReplaceOrDelete(CDatabase& db);
    // strSeen: the digest of the stored rows the user was asked about (""
    // when the job knows nothing of its stored rows).
    Outcome RunReplace(CDatabase& db, const CString& strSeen);
    Outcome RunDelete(CDatabase& db, const CString& strSeen);
    // The digest of the job's rows as stored now; "" when they cannot be read.
    CString StoredRowsNow(CDatabase& db);
    // With this store's turn taken: whether the stored rows are still those
    // the user was asked about. When not, nothing is reported and the
    // store asks again (m_bMovedMeanwhile).
    BOOL StillAsAsked(CDatabase* pDb, const CString& strSeen);
    // The digest of the job's rows as this store leaves them.
    BOOL ReadStoredRows(CDatabase* pDb, CString* pstrDigest);
    // Waits for this store's turn at the job's rows (inside the transaction).
    void LockJob(CDatabase* pDb);
    // A lock held elsewhere is waited for a bounded time only.
    static void LimitLockWaits(CDatabase& db);
    // Runs statements of one change. A statement the database refuses, or a
    // value that may not be sent, is shown and reported as failure (FALSE);
    // what ran before stays for the caller's transaction to roll back.
    BOOL RunReported(CDatabase* pDb, const std::function<void()>& statements);
    // What the user is told when the turn did not come in time.
    CString BusyMessage() const;

    std::vector<CRowStatement> m_rows;
    bool m_bRowsBuilt = false;
    bool m_bAdding = false;
    bool m_bMovedMeanwhile = false;
};
