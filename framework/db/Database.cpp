#include "framework/db/Database.h"

#include <cstdint>
#include <mutex>
#include <vector>

#include "framework/db/DBException.h"
#include "framework/db/OdbcMessages.h"

IMPLEMENT_DYNAMIC(CDatabase, CObject)

namespace {

// The window that owns the driver manager's connect dialog: the active
// window of the program. Without windows the driver manager cannot prompt.
SQLHWND PromptWindow() {
#ifdef _WIN32
    return GetActiveWindow();
#else
    return nullptr;
#endif
}

[[noreturn]] void ThrowNoEnvironment() {
    CDBException e(SQL_ERROR);
    e.m_strError = OdbcMsg::kNoEnvironment;
    throw e;
}

}  // namespace

SQLHENV CDatabase::GetEnvironment() {
    static SQLHENV s_henv = SQL_NULL_HENV;
    static std::once_flag s_once;
    std::call_once(s_once, [] {
        SQLHENV henv = SQL_NULL_HENV;
        if (!OdbcSucceeded(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &henv))) return;
        if (!OdbcSucceeded(SQLSetEnvAttr(henv, SQL_ATTR_ODBC_VERSION,
                                         reinterpret_cast<SQLPOINTER>(static_cast<intptr_t>(SQL_OV_ODBC3)),
                                         0))) {
            SQLFreeHandle(SQL_HANDLE_ENV, henv);
            return;
        }
        s_henv = henv;
    });
    return s_henv;
}

CDatabase::~CDatabase() { Close(); }

BOOL CDatabase::OpenEx(const char* lpszConnectString, DWORD dwOptions) {
    Close();
    SQLHENV henv = GetEnvironment();
    if (henv == SQL_NULL_HENV) ThrowNoEnvironment();

    SQLHDBC hdbc = SQL_NULL_HDBC;
    SQLRETURN rc = SQLAllocHandle(SQL_HANDLE_DBC, henv, &hdbc);
    if (!OdbcSucceeded(rc)) AfxThrowDBException(rc, SQL_HANDLE_ENV, henv);

    // A driver without login time-outs still connects.
    SQLSetConnectAttr(hdbc, SQL_ATTR_LOGIN_TIMEOUT,
                      reinterpret_cast<SQLPOINTER>(static_cast<uintptr_t>(m_dwLoginTimeout)),
                      SQL_IS_UINTEGER);
    m_bReadOnly = (dwOptions & openReadOnly) ? TRUE : FALSE;
    if (m_bReadOnly)
        SQLSetConnectAttr(hdbc, SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY),
                          SQL_IS_UINTEGER);

    SQLUSMALLINT nCompletion = SQL_DRIVER_COMPLETE;
    if (dwOptions & noOdbcDialog)
        nCompletion = SQL_DRIVER_NOPROMPT;
    else if (dwOptions & forceOdbcDialog)
        nCompletion = SQL_DRIVER_PROMPT;
    SQLHWND hwnd = PromptWindow();
    if (hwnd == nullptr) nCompletion = SQL_DRIVER_NOPROMPT;

    CString strIn(lpszConnectString ? lpszConnectString : "");
    std::vector<SQLCHAR> out(2048);
    SQLSMALLINT nOutLength = 0;
    rc = SQLDriverConnect(hdbc, hwnd, OdbcText(strIn.GetString()), SQL_NTS, out.data(),
                          static_cast<SQLSMALLINT>(out.size()), &nOutLength, nCompletion);
    if (rc == SQL_NO_DATA) {
        // The user cancelled the connect dialog.
        SQLFreeHandle(SQL_HANDLE_DBC, hdbc);
        return FALSE;
    }
    if (!OdbcSucceeded(rc)) {
        CDBException e(rc);
        e.CollectDiagnostics(SQL_HANDLE_DBC, hdbc);
        SQLFreeHandle(SQL_HANDLE_DBC, hdbc);
        throw e;
    }
    m_hdbc = hdbc;
    m_strConnect = CString(reinterpret_cast<const char*>(out.data()));
    ReadConnectionInfo();
    return TRUE;
}

void CDatabase::ReadConnectionInfo() {
    SQLCHAR szName[256] = {};
    SQLSMALLINT nLength = 0;
    if (OdbcSucceeded(SQLGetInfo(m_hdbc, SQL_DBMS_NAME, szName, sizeof(szName), &nLength)))
        m_strDBMSName = CString(reinterpret_cast<const char*>(szName));
    SQLUSMALLINT nTxn = SQL_TC_NONE;
    if (OdbcSucceeded(SQLGetInfo(m_hdbc, SQL_TXN_CAPABLE, &nTxn, sizeof(nTxn), nullptr)))
        m_bTransactions = nTxn != SQL_TC_NONE ? TRUE : FALSE;
}

void CDatabase::Close() {
    if (m_hdbc == SQL_NULL_HDBC) return;
    if (m_hstmtExec != SQL_NULL_HSTMT) {
        SQLFreeHandle(SQL_HANDLE_STMT, m_hstmtExec);
        m_hstmtExec = SQL_NULL_HSTMT;
    }
    if (m_bInTransaction) {
        // Whatever was not committed is not kept.
        SQLEndTran(SQL_HANDLE_DBC, m_hdbc, SQL_ROLLBACK);
        m_bInTransaction = FALSE;
    }
    SQLDisconnect(m_hdbc);
    SQLFreeHandle(SQL_HANDLE_DBC, m_hdbc);
    m_hdbc = SQL_NULL_HDBC;
    m_strConnect.Empty();
    m_strDBMSName.Empty();
    m_bTransactions = FALSE;
}

void CDatabase::ThrowIfFailed(SQLRETURN rc) const {
    if (!OdbcSucceeded(rc)) AfxThrowDBException(rc, SQL_HANDLE_DBC, m_hdbc);
}

SQLHSTMT CDatabase::ExecStatement() {
    if (m_hstmtExec == SQL_NULL_HSTMT) {
        SQLHSTMT hstmt = SQL_NULL_HSTMT;
        ThrowIfFailed(SQLAllocHandle(SQL_HANDLE_STMT, m_hdbc, &hstmt));
        if (m_dwQueryTimeout != 0)
            SQLSetStmtAttr(hstmt, SQL_ATTR_QUERY_TIMEOUT,
                           reinterpret_cast<SQLPOINTER>(static_cast<uintptr_t>(m_dwQueryTimeout)),
                           SQL_IS_UINTEGER);
        m_hstmtExec = hstmt;
    }
    return m_hstmtExec;
}

void CDatabase::ExecuteSQL(const char* lpszSQL) {
    if (!IsOpen()) {
        CDBException e(SQL_ERROR);
        e.m_strError = OdbcMsg::kNotOpen;
        throw e;
    }
    SQLHSTMT hstmt = ExecStatement();
    CString strSQL(lpszSQL ? lpszSQL : "");
    SQLRETURN rc = SQLExecDirect(hstmt, OdbcText(strSQL.GetString()), SQL_NTS);
    // A searched UPDATE or DELETE that meets no row answers SQL_NO_DATA.
    if (!OdbcSucceeded(rc) && rc != SQL_NO_DATA) {
        CDBException e(rc);
        e.CollectDiagnostics(SQL_HANDLE_STMT, hstmt);
        SQLFreeStmt(hstmt, SQL_CLOSE);
        throw e;
    }
    SQLFreeStmt(hstmt, SQL_CLOSE);
}

void CDatabase::SetAutoCommit(bool bOn) {
    ThrowIfFailed(SQLSetConnectAttr(
        m_hdbc, SQL_ATTR_AUTOCOMMIT,
        reinterpret_cast<SQLPOINTER>(static_cast<uintptr_t>(bOn ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF)),
        SQL_IS_UINTEGER));
}

BOOL CDatabase::BeginTrans() {
    if (!IsOpen() || !m_bTransactions || m_bInTransaction) return FALSE;
    SetAutoCommit(false);
    m_bInTransaction = TRUE;
    return TRUE;
}

BOOL CDatabase::CommitTrans() {
    if (!m_bInTransaction) return FALSE;
    SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, m_hdbc, SQL_COMMIT);
    if (!OdbcSucceeded(rc)) {
        // The transaction stays open: the caller rolls it back.
        AfxThrowDBException(rc, SQL_HANDLE_DBC, m_hdbc);
    }
    m_bInTransaction = FALSE;
    SetAutoCommit(true);
    return TRUE;
}

BOOL CDatabase::Rollback() {
    if (!m_bInTransaction) return FALSE;
    // A rollback that fails leaves the transaction open, so that closing the
    // connection still abandons it.
    ThrowIfFailed(SQLEndTran(SQL_HANDLE_DBC, m_hdbc, SQL_ROLLBACK));
    m_bInTransaction = FALSE;
    SetAutoCommit(true);
    return TRUE;
}
