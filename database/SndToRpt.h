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

    // Each on an open database.
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

    std::vector<CRowStatement> m_rows;
    bool m_bRowsBuilt = false;
};
