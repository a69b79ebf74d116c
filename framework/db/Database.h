// CDatabase: one ODBC connection. Statements run directly on it
// (ExecuteSQL) or through recordsets; transactions switch the connection's
// auto-commit off until they are committed or rolled back. Every failed
// ODBC call raises CDBException with the driver's texts.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/db/Odbc.h"

class CDatabase : public CObject {
    DECLARE_DYNAMIC(CDatabase)
public:
    enum DbOpenOptions : DWORD {
        openExclusive = 0x0001,   // not supported by ODBC; ignored
        openReadOnly = 0x0002,    // the connection refuses changes
        useCursorLib = 0x0004,    // no cursor library is used; ignored
        noOdbcDialog = 0x0008,    // the driver manager never prompts
        forceOdbcDialog = 0x0010  // the driver manager always prompts
    };

    CDatabase() = default;
    ~CDatabase() override;
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    // Connects with the connect string. FALSE when the user cancelled the
    // driver manager's connect dialog; CDBException on any other failure.
    virtual BOOL OpenEx(const char* lpszConnectString, DWORD dwOptions = 0);
    // Rolls back an unfinished transaction and disconnects; harmless when
    // the connection is not open.
    virtual void Close();
    BOOL IsOpen() const { return m_hdbc != SQL_NULL_HDBC; }

    // The connect string as the driver manager completed it.
    const CString& GetConnect() const { return m_strConnect; }
    // SQLGetInfo(SQL_DBMS_NAME), read once when the connection opens.
    const CString& GetDBMSName() const { return m_strDBMSName; }

    // Runs one statement that returns no rows.
    void ExecuteSQL(const char* lpszSQL);

    BOOL CanUpdate() const { return IsOpen() && !m_bReadOnly; }
    BOOL CanTransact() const { return m_bTransactions; }
    BOOL BeginTrans();
    BOOL CommitTrans();
    BOOL Rollback();
    BOOL IsInTransaction() const { return m_bInTransaction; }

    // Time-outs in seconds (0: none); the defaults are 15 each.
    void SetLoginTimeout(DWORD dwSeconds) { m_dwLoginTimeout = dwSeconds; }
    void SetQueryTimeout(DWORD dwSeconds) { m_dwQueryTimeout = dwSeconds; }
    DWORD GetQueryTimeout() const { return m_dwQueryTimeout; }

    // Throws CDBException for a failed call on this connection.
    void ThrowIfFailed(SQLRETURN rc) const;

    // The process's ODBC environment (ODBC 3 behaviour), made on first use.
    static SQLHENV GetEnvironment();

    SQLHDBC m_hdbc = SQL_NULL_HDBC;

private:
    void ReadConnectionInfo();
    void SetAutoCommit(bool bOn);
    SQLHSTMT ExecStatement();

    CString m_strConnect;
    CString m_strDBMSName;
    BOOL m_bReadOnly = FALSE;
    BOOL m_bTransactions = FALSE;
    BOOL m_bInTransaction = FALSE;
    DWORD m_dwLoginTimeout = 15;
    DWORD m_dwQueryTimeout = 15;
    SQLHSTMT m_hstmtExec = SQL_NULL_HSTMT;  // reused by ExecuteSQL
};
