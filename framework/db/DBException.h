// CDBException: an ODBC call failed. It carries the return code and the
// driver's own diagnostic texts, which are what the user is shown.
#pragma once

#include "framework/core/Exceptions.h"
#include "framework/core/String.h"
#include "framework/db/Odbc.h"

class CDBException : public CException {
    DECLARE_DYNAMIC(CDBException)
public:
    explicit CDBException(SQLRETURN nRetCode = SQL_ERROR) : m_nRetCode(nRetCode) {}

    // The driver's texts; a fixed text naming the return code when the
    // driver left no diagnostic record.
    CString GetErrorMessage() const override;

    // Reads every diagnostic record of the handle.
    void CollectDiagnostics(SQLSMALLINT nHandleType, SQLHANDLE hHandle);

    SQLRETURN m_nRetCode;
    // The message texts of the diagnostic records, one per line.
    CString m_strError;
    // State, native error code and origin of each record, one per line.
    CString m_strStateNativeOrigin;
    // The SQLSTATE of the first record ("" when there was none).
    CString m_strSqlState;
};

// Throws a CDBException for a failed call on the handle.
[[noreturn]] void AfxThrowDBException(SQLRETURN nRetCode, SQLSMALLINT nHandleType, SQLHANDLE hHandle);

// TRUE for SQL_SUCCESS and SQL_SUCCESS_WITH_INFO.
inline bool OdbcSucceeded(SQLRETURN rc) { return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO; }
