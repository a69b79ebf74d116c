#include "framework/db/Recordset.h"

#include <cctype>
#include <cstring>

#include "framework/db/DBException.h"

IMPLEMENT_DYNAMIC(CRecordset, CObject)

namespace {

bool StartsWithKeyword(const CString& strSQL, const char* pszKeyword) {
    const char* p = strSQL.GetString();
    while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') ++p;
    size_t n = std::strlen(pszKeyword);
    for (size_t i = 0; i < n; ++i) {
        if (std::toupper(static_cast<unsigned char>(p[i])) != pszKeyword[i]) return false;
    }
    return true;
}

}  // namespace

CRecordset::CRecordset(CDatabase* pDatabase) : m_pDatabase(pDatabase) {}

CRecordset::~CRecordset() { Close(); }

CString CRecordset::GetDefaultConnect() { return "ODBC;"; }

CString CRecordset::GetDefaultSQL() { return ""; }

void CRecordset::DoFieldExchange(CFieldExchange*) {}

BOOL CRecordset::AllocStatement() {
    if (m_hstmt != SQL_NULL_HSTMT) return TRUE;
    if (m_pDatabase == nullptr || !m_pDatabase->IsOpen()) return FALSE;
    if (!OdbcSucceeded(SQLAllocHandle(SQL_HANDLE_STMT, m_pDatabase->m_hdbc, &m_hstmt))) {
        m_hstmt = SQL_NULL_HSTMT;
        return FALSE;
    }
    DWORD dwTimeout = m_pDatabase->GetQueryTimeout();
    if (dwTimeout != 0)
        SQLSetStmtAttr(m_hstmt, SQL_ATTR_QUERY_TIMEOUT,
                       reinterpret_cast<SQLPOINTER>(static_cast<uintptr_t>(dwTimeout)), SQL_IS_UINTEGER);
    return TRUE;
}

void CRecordset::ThrowIfFailed(SQLRETURN rc) const {
    if (!OdbcSucceeded(rc)) AfxThrowDBException(rc, SQL_HANDLE_STMT, m_hstmt);
}

CString CRecordset::BuildSelect(const CString& strSource) {
    CString strSQL;
    if (StartsWithKeyword(strSource, "SELECT") || StartsWithKeyword(strSource, "{")) {
        strSQL = strSource;
    } else {
        CFieldExchange fx(CFieldExchange::Name, this);
        DoFieldExchange(&fx);
        CString strColumns = fx.m_strColumns;
        if (strColumns.IsEmpty()) {
            strColumns = "* ";
        } else {
            // The last separator becomes a blank: "SELECT a,b  FROM t".
            strColumns.SetAt(strColumns.GetLength() - 1, ' ');
        }
        strSQL = "SELECT " + strColumns + " FROM " + strSource;
    }
    if (!m_strFilter.IsEmpty()) strSQL += " WHERE " + m_strFilter;
    if (!m_strSort.IsEmpty()) strSQL += " ORDER BY " + m_strSort;
    return strSQL;
}

BOOL CRecordset::Open(UINT nOpenType, const char* lpszSQL, DWORD dwOptions) {
    Close();
    m_nOpenType = nOpenType == useDefaultType ? m_nDefaultType : nOpenType;
    m_dwOptions = dwOptions;
    CString strSource = lpszSQL ? CString(lpszSQL) : GetDefaultSQL();
    if (!AllocStatement()) return FALSE;
    m_strSQL = BuildSelect(strSource);
    SQLRETURN rc = SQLExecDirect(m_hstmt, OdbcText(m_strSQL.GetString()), SQL_NTS);
    if (!OdbcSucceeded(rc) && rc != SQL_NO_DATA) {
        CDBException e(rc);
        e.CollectDiagnostics(SQL_HANDLE_STMT, m_hstmt);
        Close();
        throw e;
    }
    COpenGuard guard(*this);
    OpenFirstRow();
    guard.Opened();
    return TRUE;
}

void CRecordset::OpenFirstRow() {
    m_bOpen = TRUE;
    m_bBOF = FALSE;
    m_bEOF = FALSE;
    Fetch();
    m_bBOF = m_bEOF;
}

void CRecordset::MoveNext() {
    if (!m_bOpen || m_bEOF) return;
    Fetch();
    m_bBOF = FALSE;
}

void CRecordset::Fetch() {
    SQLRETURN rc = SQLFetch(m_hstmt);
    if (rc == SQL_NO_DATA) {
        m_bEOF = TRUE;
        return;
    }
    ThrowIfFailed(rc);
    m_fieldNull.clear();
    CFieldExchange fx(CFieldExchange::Fetch, this);
    DoFieldExchange(&fx);
    m_nFields = fx.m_nFields;
}

void CRecordset::Close() {
    if (m_hstmt != SQL_NULL_HSTMT) {
        SQLFreeHandle(SQL_HANDLE_STMT, m_hstmt);
        m_hstmt = SQL_NULL_HSTMT;
    }
    m_bOpen = FALSE;
    m_bBOF = TRUE;
    m_bEOF = TRUE;
    m_fieldNull.clear();
}

BOOL CRecordset::IsFieldNull(int nField) const {
    if (nField < 0 || nField >= static_cast<int>(m_fieldNull.size())) return FALSE;
    return m_fieldNull[static_cast<size_t>(nField)] ? TRUE : FALSE;
}

bool CFieldExchange::NextColumn(const char* szName, SQLUSMALLINT& nColumn) {
    if (m_nFieldType != outputColumn) return false;
    ++m_nFields;
    if (m_nOperation == Name) {
        m_strColumns += szName;
        m_strColumns += ",";
        return false;
    }
    nColumn = static_cast<SQLUSMALLINT>(m_nFields);
    return true;
}

void CFieldExchange::SetNull(bool bNull) { m_prs->m_fieldNull.push_back(bNull); }
